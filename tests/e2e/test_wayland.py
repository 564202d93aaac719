# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
"""The real program as a native Wayland client, in a headless weston: its
window comes up, a screen reader can reach it, and "play" sounds the tone.
X input does not reach Wayland clients, so "play" is pressed through its
accessible action, as an assistive tool would."""
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

import pyatspi

sys.path.insert(0, os.path.dirname(__file__))
from desk_tools import BINARY, DeskTest, until, windows_of  # noqa: E402


class WaylandTest(DeskTest):
    def setUp(self):
        super().setUp()
        self.runtime = tempfile.mkdtemp(prefix="vornaby-wl-")
        self.cleanups.append(lambda: shutil.rmtree(self.runtime, ignore_errors=True))
        os.chmod(self.runtime, 0o700)
        env = dict(os.environ, XDG_RUNTIME_DIR=self.runtime)
        self.weston = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", "--socket=wayland-vornaby", "--idle-time=0",
             "--no-config"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.cleanups.append(lambda: (self.weston.terminate(), self.weston.wait()))
        until(lambda: os.path.exists(os.path.join(self.runtime, "wayland-vornaby")), 10, "weston")
        # The sound server's socket lives in the desk's runtime directory.
        pulse = os.path.join(os.environ["XDG_RUNTIME_DIR"], "pulse", "native")
        self.env = dict(env, WAYLAND_DISPLAY="wayland-vornaby", QT_QPA_PLATFORM="wayland",
                        PULSE_SERVER=f"unix:{pulse}")
        self.env.pop("DISPLAY", None)

    def test_runs_natively_and_plays(self):
        app = subprocess.Popen([BINARY], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        try:
            window = until(lambda: next((w for w in windows_of(app.pid) if w.name == "Vornaby"), None),
                           10, "the main window on Wayland")
            play = pyatspi.findDescendant(window, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == "play")
            with self.record() as recorder:
                action = play.queryAction()
                action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))
                time.sleep(0.8)
            tones = recorder.tones()
            self.assertEqual(len(tones), 1, tones)
            self.assertEqual(tones[0].length, 14400)
            self.assertIsNone(app.poll())
        finally:
            app.kill()
            err = app.communicate()[1].decode(errors="replace")
        self.assertNotIn("Could not load the Qt platform plugin", err)


if __name__ == "__main__":
    unittest.main(verbosity=2)
