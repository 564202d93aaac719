# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
"""The sound stack failing under the real program: no server at all, the
server killed in the middle of a tone and started again, the desk's own
server restarted or coming up late (run on the PipeWire desk too), and an
underrun."""
import os
import signal
import sys
import time
import unittest

import pyatspi

sys.path.insert(0, os.path.dirname(__file__))
from desk_tools import DeskTest, PrivateSoundServer, desk_sound, until  # noqa: E402


def about_opens_within(app, seconds):
    """Clicks About and returns how long until its box is up."""
    start = time.monotonic()
    app.click(app.button("About"))
    about = app.modal("About Vornaby", seconds)
    took = time.monotonic() - start
    app.key("Escape")
    until(lambda: not about.getState().contains(pyatspi.STATE_SHOWING) or app._find_dialog("About Vornaby") is None,
          3, "the About box to close")
    return took


class SoundComesBackTest(DeskTest):
    """The desk's own sound server, whichever it is, goes and comes back while
    the window is open: the first press once it answers sounds a whole tone,
    a press while it is gone gives up at once, and the program says one line
    when the sound goes and one when it is back."""

    def setUp(self):
        super().setUp()
        self.server_up = True
        self.cleanups.append(lambda: self.server_up or desk_sound("start"))

    def server(self, up):
        desk_sound("start" if up else "stop")
        self.server_up = up
        if up:
            time.sleep(1.0)  # as a user would, after a restart

    def press_play_while_gone(self, app):
        app.click(app.button("play"))
        self.assertLess(about_opens_within(app, 2), 1.5)

    def assertSaidOnceEach(self, app):
        lines = app.output().splitlines()
        self.assertEqual(sum("no sound" in line for line in lines), 1, lines)
        self.assertEqual(sum("sound is back" in line for line in lines), 1, lines)

    def test_server_restarted_while_the_window_is_open(self):
        app = self.start()
        self.play_once(app)
        self.server(False)
        self.press_play_while_gone(app)
        self.press_play_while_gone(app)
        self.server(True)
        self.play_once(app)
        self.play_once(app)
        self.assertSaidOnceEach(app)

    def freeze(self, frozen):
        """Stops the desk's sound servers where they are (a hung daemon, a
        debugger) or lets them run on."""
        with open(os.path.join(os.environ["XDG_RUNTIME_DIR"], "desk-sound.pids")) as pids:
            for line in pids:
                os.kill(int(line.split()[1]), signal.SIGSTOP if frozen else signal.SIGCONT)

    def test_server_frozen_mid_tone(self):
        app = self.start()
        self.cleanups.append(lambda: self.freeze(False))
        app.advanced(8000)
        app.click(app.button("play"))
        time.sleep(1.0)
        self.freeze(True)
        # The tone is given up: About, pressed behind it, opens.
        self.assertLess(about_opens_within(app, 3), 2.0)
        self.freeze(False)
        time.sleep(1.0)
        app.type_into(app.edit("time(ms)"), "300")
        self.play_once(app)

        # A close during a frozen tone ends the program all the same.
        app.type_into(app.edit("time(ms)"), "8000")
        app.click(app.button("play"))
        time.sleep(0.5)
        self.freeze(True)
        closed = time.monotonic()
        app.key("Escape")
        self.assertEqual(app.wait_exit(3), 0)
        self.assertLess(time.monotonic() - closed, 1.0)

    def test_program_started_before_any_server(self):
        self.server(False)
        app = self.start()
        self.press_play_while_gone(app)
        self.server(True)
        self.play_once(app)
        self.assertSaidOnceEach(app)


class SoundFaultTest(DeskTest):
    def test_no_sound_server_and_no_device(self):
        # Point the client at a server that is not there; with no sound card
        # either, ALSA's default device cannot be opened.
        env = dict(os.environ, PULSE_SERVER="unix:/nonexistent/native")
        app = self.start(env=env)
        with self.record() as recorder:
            for _ in range(3):
                app.click(app.button("play"))
            self.assertLess(about_opens_within(app, 2), 2)
        self.assertEqual(recorder.tones(), [])
        self.assertTrue(app.running())

    def test_server_killed_mid_tone_then_back(self):
        server = PrivateSoundServer()
        self.cleanups.append(server.cleanup)
        server.start()
        env = dict(os.environ, PULSE_SERVER=server.address)
        app = self.start(env=env)
        app.advanced(8000)
        app.click(app.button("play"))
        time.sleep(1.0)
        killed = time.monotonic()
        server.kill()
        # The tone call gives up soon after the server goes; held input then acts.
        app.click(app.button("About"))
        app.modal("About Vornaby", 3)
        self.assertLess(time.monotonic() - killed, 1.5)
        app.key("Escape")
        time.sleep(0.3)

        server.start()
        app.type_into(app.edit("time(ms)"), "300")
        with self.record(server.address, PrivateSoundServer.SINK) as recorder:
            app.click(app.button("play"))
            time.sleep(0.8)
        tones = recorder.tones()
        self.assertEqual(len(tones), 1, tones)
        self.assertEqual(tones[0].length, 14400)

    def test_underrun_is_recovered_and_every_frame_still_played(self):
        app = self.start()
        app.advanced(1500)
        with self.record() as recorder:
            app.click(app.button("play"))
            time.sleep(0.5)
            # Stopping the whole program starves the stream: a real underrun.
            os.kill(app.process.pid, signal.SIGSTOP)
            time.sleep(0.4)
            os.kill(app.process.pid, signal.SIGCONT)
            time.sleep(2.0)
            self.assertLess(about_opens_within(app, 2), 2)
        tones = recorder.tones()
        self.assertGreaterEqual(len(tones), 2, tones)  # the gap shows
        played = sum(t.length for t in tones)
        self.assertLessEqual(abs(played - 72000), 48 * 2, tones)  # every frame, give or take a silent one at a cut


if __name__ == "__main__":
    unittest.main(verbosity=2)
