# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
"""The real program in a real X server with a real sound server, driven as a
person drives it. Run on a test desk (desk.sh); see desk_tools for how."""
import os
import signal
import subprocess
import sys
import tempfile
import time
import unittest

import numpy as np
import pyatspi

sys.path.insert(0, os.path.dirname(__file__))
from desk_tools import EVIDENCE, RATE, DeskTest, move_pointer, until, windows_of, xdotool  # noqa: E402


class DesktopTest(DeskTest):
    def first_state(self, app):
        return (app.text(app.edit("Frequency(hz)")), app.text(app.edit("time(ms)")), app.combo_text(),
                app.state(app.control(pyatspi.ROLE_CHECK_BOX, "Advanced  Mode"), pyatspi.STATE_CHECKED),
                app.control(pyatspi.ROLE_SLIDER).queryValue().currentValue,
                app.state(app.edit("Frequency(hz)"), pyatspi.STATE_ENABLED),
                app.state(app.combo(), pyatspi.STATE_ENABLED))

    def test_screen_reader_finds_every_control_by_role_and_name(self):
        app = self.start()
        expected = [(pyatspi.ROLE_PUSH_BUTTON, "About"), (pyatspi.ROLE_PUSH_BUTTON, "play"),
                    (pyatspi.ROLE_TEXT, "Frequency(hz)"), (pyatspi.ROLE_TEXT, "time(ms)"),
                    (pyatspi.ROLE_CHECK_BOX, "Advanced  Mode"), (pyatspi.ROLE_SLIDER, "Frequency slider")]
        for role, name in expected:
            app.control(role, name)  # raises when missing
        # Qt names an editable combo box by its text on Linux and tells its
        # label through a relation, which is what screen readers read.
        combo = app.combo()
        labels = [target.name for relation in combo.getRelationSet()
                  if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
                  for target in (relation.getTarget(i) for i in range(relation.getNTargets()))]
        self.assertEqual(labels, ["Frequency(hz)"])
        slider = app.control(pyatspi.ROLE_SLIDER).queryValue()
        self.assertEqual((slider.minimumValue, slider.maximumValue, slider.currentValue), (1, 20000, 1000))

    def test_window_menu_from_a_right_click_opens_about(self):
        app = self.start()
        # The "Simple Mode" frame's lower right corner is bare background.
        frame = app.control(pyatspi.ROLE_PANEL, "Simple Mode")
        x, y, w, h = frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        move_pointer(x + w - 6, y + h - 6)
        xdotool("click", "3")
        time.sleep(0.5)
        # Qt keeps popup menus out of the accessible tree, so drive the menu by
        # keyboard: its last item is "About Vornaby...". (Its items and their
        # order are checked by the window's own tests.)
        app.key("Up")
        app.key("Return")
        about = app.modal("About Vornaby")
        app.click(app.button("OK", within=about))
        until(lambda: app._find_dialog("About Vornaby") is None, 3, "the About box to close")
        self.assertTrue(app.running())

    def test_desktop_knows_the_window_by_name_and_icon(self):
        app = self.start()
        props = subprocess.run(["xprop", "-id", app.window, "WM_CLASS", "_NET_WM_ICON"],
                               capture_output=True, text=True, check=True).stdout
        # The class matches the menu entry's StartupWMClass.
        self.assertTrue('WM_CLASS(STRING) = "vornaby", "vornaby"' in props, "WM_CLASS")
        for size in (16, 32, 48, 64, 128):
            self.assertTrue(f"Icon ({size} x {size})" in props, f"no {size} px icon")

    def test_german_desktop_prompts_in_german_then_plays_the_held_preset(self):
        app = self.start(env=dict(os.environ, LANGUAGE="de", LANG="de_DE.UTF-8"))
        app.type_into(app.combo(), "abc")
        with self.record() as recorder:
            app.click(app.button("Abspielen"))
            prompt = until(self._prompt_of(app), 5, "the prompt")
            labels = [c.name for c in pyatspi.findAllDescendants(prompt, lambda a: a.getRole() == pyatspi.ROLE_LABEL)]
            self.assertTrue(any("ganze Zahl" in text for text in labels), labels)
            app.key("Return")
            time.sleep(0.6)
        tones = recorder.tones()
        self.assertEqual(len(tones), 1, tones)
        self.assertTone(tones[0], 1000, 300)

    @staticmethod
    def _prompt_of(app):
        def find():
            return next((w for w in windows_of(app.process.pid) if w.getRole() == pyatspi.ROLE_ALERT), None)
        return find

    def test_fifty_presses_and_typing_held_during_a_tone_all_act_in_order(self):
        app = self.start()
        app.advanced(2000)
        duration, play = app.edit("time(ms)"), app.button("play")
        with self.record() as recorder:
            app.click(play)
            time.sleep(0.2)
            # All of this is made while the first tone sounds, and is held.
            app.type_into(duration, "50")
            px, py, pw, ph = play.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            move_pointer(px + pw // 2, py + ph // 2)
            xdotool("click", "--repeat", "50", "--delay", "15", "1")
            time.sleep(2.0 + 50 * 0.08 + 1.0)
        tones = recorder.tones()
        self.assertWholeTones(tones, [96000] + [2400] * 50)
        self.assertAlmostEqual(tones[0].frequency, 1000, delta=0.1)

    def test_window_repaints_while_a_long_tone_plays(self):
        app = self.start()
        app.advanced(3000)
        app.click(app.control(pyatspi.ROLE_CHECK_BOX, "Advanced  Mode"))  # back to simple, values kept
        app.click(app.control(pyatspi.ROLE_CHECK_BOX, "Advanced  Mode"))
        xdotool("mousemove", "0", "0")
        time.sleep(0.3)
        shots = tempfile.mkdtemp(prefix="vornaby-shots-")
        before, during = os.path.join(shots, "before.png"), os.path.join(shots, "during.png")
        subprocess.run(["import", "-window", app.window, before], check=True)
        with self.record():
            app.click(app.button("play"))
            time.sleep(0.5)
            # Hide and show the window: what shows again must be painted afresh.
            xdotool("windowunmap", "--sync", app.window)
            xdotool("windowmap", "--sync", app.window)
            time.sleep(0.5)
            subprocess.run(["import", "-window", app.window, during], check=True)
            self.assertTrue(app.running())
        if os.environ.get("VORNABY_KEEP_SHOTS"):
            os.makedirs(EVIDENCE, exist_ok=True)
            subprocess.run(["cp", before, during, EVIDENCE])
        result = subprocess.run(["compare", "-metric", "AE", before, during, "null:"],
                                capture_output=True, text=True)
        differing = float(result.stderr.split()[0])
        width, height = (int(v) for v in subprocess.run(
            ["identify", "-format", "%w %h", before], capture_output=True, text=True).stdout.split())
        # The check box and button focus may differ; the window is painted.
        self.assertLess(differing, 0.05 * width * height, result.stderr)

    def test_alt_f4_ends_the_process(self):
        app = self.start()
        xdotool("windowactivate", "--sync", app.window)
        app.key("alt+F4")
        self.assertEqual(app.wait_exit(5), 0)

    def test_closing_during_a_long_tone_silences_it_at_once(self):
        for close in ("wmctrl", "Escape", "SIGTERM"):
            with self.subTest(close=close):
                app = self.start()
                app.advanced(8000)
                with self.record() as recorder:
                    app.click(app.button("play"))
                    time.sleep(1.0)
                    xdotool("click", "1")  # held behind the tone, then dropped by the close
                    asked = recorder.frames_so_far()
                    if close == "wmctrl":
                        subprocess.run(["wmctrl", "-i", "-c", app.window], check=True)
                    elif close == "Escape":
                        app.key("Escape")
                    else:
                        app.process.terminate()
                    status = app.wait_exit(2)
                    time.sleep(0.3)
                tones = recorder.tones()
                self.assertEqual(len(tones), 1, tones)
                end_ms = (tones[0].start + tones[0].length - asked) * 1000 / RATE
                self.assertLess(end_ms, 150, tones)
                self.assertLess(np.max(np.abs(tones[0].frames[-48:])), 0.02, "the tone ends on a fade")
                self.assertEqual(status, 128 + signal.SIGTERM if close == "SIGTERM" else 0)

    def test_command_line_arguments_change_nothing(self):
        plain = self.start()
        expected = self.first_state(plain)
        plain.key("Escape")
        plain.wait_exit()
        app = self.start(["--help", "-reverse", "-style", "windows", "extra", "-platform", "nonsense"])
        self.assertEqual(self.first_state(app), expected)
        self.play_once(app)

    def test_two_copies_run_independently(self):
        first, second = self.start(), self.start()
        self.assertNotEqual(first.window, second.window)
        # Both open centred on the screen; move one aside to reach the other.
        xdotool("windowmove", "--sync", second.window, "0", "0")
        time.sleep(0.3)
        xdotool("windowactivate", "--sync", first.window)
        first.type_into(first.combo(), "440")
        self.assertEqual(second.combo_text(), "1000")
        xdotool("windowactivate", "--sync", first.window)
        first.key("Escape")
        first.wait_exit()
        self.assertTrue(second.running())
        self.play_once(second)

    def test_a_fresh_home_stays_empty(self):
        home = tempfile.mkdtemp(prefix="vornaby-home-")
        # libpulse, under the ALSA plugin, creates ~/.config/pulse/cookie when it
        # finds no cookie; on a desktop the session's sound server has made it
        # already, and here the desk's server has, so point the client at it.
        cookie = os.path.join(os.environ["HOME"], ".config", "pulse", "cookie")
        env = dict(os.environ, HOME=home, PULSE_COOKIE=cookie, XDG_CONFIG_HOME=f"{home}/.config", XDG_DATA_HOME=f"{home}/.local/share",
                   XDG_CACHE_HOME=f"{home}/.cache", XDG_STATE_HOME=f"{home}/.local/state")
        app = self.start(env=env)
        self.play_once(app)
        app.click(app.button("About"))
        about = app.modal("About Vornaby")
        app.click(app.button("OK", within=about))
        app.key("Escape")
        self.assertEqual(app.wait_exit(), 0)
        left = [os.path.join(d, f) for d, _, files in os.walk(home) for f in files]
        self.assertEqual(left, [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
