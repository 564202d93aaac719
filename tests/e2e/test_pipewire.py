# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
"""The program on a PipeWire desk (desk.sh with VORNABY_DESK_SOUND=pipewire):
tones whole at small and large quanta, synthesised at the graph's rate, and
no tone that outlives its length by more than a second when no session
manager links the stream."""
import os
import signal
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desk_tools import BINARY, DeskTest, desk_sound, desk_sound_pid  # noqa: E402
from test_faults import SoundComesBackTest  # noqa: E402,F401  (run on this desk too)

PLAY_TONE = os.path.join(os.path.dirname(BINARY), "tests", "play-tone")


def settings(key, value):
    subprocess.run(["pw-metadata", "-n", "settings", "0", key, str(value)], check=True, capture_output=True)


class PipeWireTest(DeskTest):
    def setUp(self):
        super().setUp()
        self.cleanups.append(lambda: settings("clock.force-quantum", 0))
        self.cleanups.append(lambda: settings("clock.force-rate", 0))

    def test_play_sounds_whole_at_small_and_large_quanta(self):
        # Tones queued back to back follow on within a quantum: none may lose
        # its last frames to the next, or wait for a whole quantum of it.
        app = self.start()
        for quantum in (256, 1024, 4096):
            with self.subTest(quantum=quantum):
                settings("clock.force-quantum", quantum)
                time.sleep(0.2)
                tone = self.play_once(app)
                self.assertEqual(tone.length, 14400)
                with self.record() as recorder:
                    subprocess.run([PLAY_TONE, "1000", "50", "1000", "3", "1000", "300"], check=True, timeout=5)
                    time.sleep(0.3)
                self.assertWholeTones(recorder.tones(), [2400, 144, 14400])

    def test_a_tone_is_synthesised_at_the_graph_rate(self):
        # A sink and a graph at 44.1 kHz: a tone made at 48 kHz would be
        # resampled, and 20 kHz, near the new Nyquist frequency, would lose
        # level; made at the graph's rate it arrives untouched.
        sink = os.environ["VORNABY_DESK_SINK_44K"]
        settings("clock.force-rate", 44100)
        subprocess.run(["pactl", "set-default-sink", sink], check=True)
        self.cleanups.append(lambda: subprocess.run(["pactl", "set-default-sink", os.environ["VORNABY_DESK_SINK"]]))
        time.sleep(0.3)
        with self.record(sink=sink, rate=44100) as recorder:
            subprocess.run([PLAY_TONE, "20000", "300"], check=True, timeout=5)
            time.sleep(0.3)
        tones = recorder.tones()
        self.assertEqual(len(tones), 1, tones)
        self.assertEqual(tones[0].length, 13230)  # 300 ms at 44.1 kHz
        self.assertAlmostEqual(tones[0].peak, 0.5, delta=0.01)

    def test_without_a_session_manager_a_tone_gives_up_and_the_window_answers(self):
        app = self.start()
        os.kill(desk_sound_pid("wireplumber"), signal.SIGTERM)
        self.cleanups.append(lambda: (desk_sound("stop"), desk_sound("start")))
        time.sleep(0.5)
        app.advanced(2000)
        started = time.monotonic()
        app.click(app.button("play"))
        # Nothing links the stream, so no frame is ever taken: the tone gives
        # up within its length and a second, and the held click then acts.
        app.click(app.button("About"))
        app.modal("About Vornaby", 5)
        self.assertLess(time.monotonic() - started, 2.0 + 1.0 + 0.5)
        app.key("Escape")
        self.assertTrue(app.running())


if __name__ == "__main__":
    unittest.main(verbosity=2)
