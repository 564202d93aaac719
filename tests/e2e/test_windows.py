# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
"""The Windows program under Wine on the desk, Wine's audio on the desk's
PulseAudio: tones as exact as the Linux build's, the prompt for a bad value,
a close during a long tone that fades at once, and the About box from the
window's system menu. Driven by the keyboard (Wine's windows are not on the
accessibility bus), recorded from the sink."""
import os
import signal
import sys
import time
import unittest


sys.path.insert(0, os.path.dirname(__file__))
from desk_tools import (WINDOWS_BINARY, WINE_PREFIX, DeskTest, WindowsProgram, desk_sound_pid, until,  # noqa: E402
                        windows_named)

@unittest.skipUnless(WINDOWS_BINARY and WINE_PREFIX, "the Windows build was not made")
class WindowsProgramTest(DeskTest):
    @classmethod
    def setUpClass(cls):
        WindowsProgram.make_prefix()

    def start_windows(self):
        program = WindowsProgram()
        self.cleanups.append(program.close)
        return program


    def test_tones_close_and_about(self):
        program = self.start_windows()
        # The first state's focus is on "About"; "play" is next. The first
        # tone may wait for Wine to open its audio the first time.
        with self.record() as recorder:
            program.keys("Tab", "space")
            recorder.await_sound(14400)
        # Every frame arrives; Wine's PulseAudio stream may still put a gap in
        # a tone on a busy machine, which then counts as two runs of sound.
        tones = recorder.tones()
        self.assertEveryFrame(tones, 14400)
        self.assertAlmostEqual(tones[0].frequency, 1000, delta=0.1)

        # "play" has the focus; Tab order: combo, check box. Ticking the box
        # enables the fields: the duration field comes just before the box.
        program.keys("Tab", "Tab", "space", "shift+Tab", "Home", "shift+End")
        program.type("1234")
        program.keys("shift+Tab")
        with self.record() as recorder:
            program.keys("space")
            recorder.await_sound(59232)
        self.assertEveryFrame(recorder.tones(), 59232)  # 1234 ms at 48 kHz

        # Back on the duration field, for the long tone below.
        program.keys("Tab", "Home", "shift+End")

        # The system menu's last item, after Wine's own, is "About Vornaby...".
        program.keys("alt+space")
        time.sleep(0.5)
        program.keys("Up", "Return")
        about = until(lambda: windows_named("About Vornaby"), 10, "the About box")
        program.keys("Escape")
        until(lambda: not windows_named("About Vornaby"), 10, "the About box to close")

        # A close during a long tone fades it out at once and ends the program.
        program.type("8000")
        program.keys("shift+Tab")
        with self.record() as recorder:
            program.keys("space")
            time.sleep(1.0)
            asked = recorder.frames_so_far()
            program.keys("Escape")
            program.process.wait(10)
            time.sleep(0.3)
        tones = recorder.tones()
        self.assertLess(sum(t.length for t in tones), 8000 * 48, tones)
        self.assertLess((tones[-1].start + tones[-1].length - asked) * 1000 / 48000, 150, tones)
        self.assertEqual(program.process.returncode, 0)
        del about

    def test_close_while_the_sound_server_hangs(self):
        # The desk's sound server stopped where it is (not gone) mid-tone: a
        # close still ends the program at once.
        program = self.start_windows()
        with self.record() as recorder:
            program.keys("Tab", "space")
            recorder.await_sound(14400)
        program.keys("Tab", "Tab", "space", "shift+Tab", "Home", "shift+End")
        program.type("8000")
        program.keys("shift+Tab", "space")
        time.sleep(1.0)
        server = desk_sound_pid("pulseaudio")
        os.kill(server, signal.SIGSTOP)
        self.cleanups.append(lambda: os.kill(server, signal.SIGCONT))
        closed = time.monotonic()
        program.keys("Escape")
        program.process.wait(5)
        self.assertLess(time.monotonic() - closed, 1.0)
        # Wine 8 ends the thread still waiting inside its PulseAudio driver
        # with a signal that now and then crashes its own handler (in
        # ntdll.so's system call dispatcher); the loader then dies of SIGSEGV
        # after the program has ended. Windows ends such a thread cleanly.
        self.assertIn(program.process.returncode, (0, -signal.SIGSEGV))


if __name__ == "__main__":
    unittest.main(verbosity=2)
