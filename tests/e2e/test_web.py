# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
"""The browser build end to end: the real page served on 127.0.0.1, opened in
headless Chromium on the desk, driven by real input through WebDriver, its
controls found by their accessible names as a screen reader finds them, and
its sound recorded from the desk's PulseAudio null sink."""
import functools
import http.server
import os
import sys
import threading
import unittest

from selenium import webdriver
from selenium.common.exceptions import StaleElementReferenceException, WebDriverException
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

sys.path.insert(0, os.path.dirname(__file__))
from desk_tools import RATE, DeskTest, until  # noqa: E402

SITE = os.environ["VORNABY_WEB_BUILD"]


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Site:
    """The build folder, served on 127.0.0.1 as any static host would."""

    def __init__(self):
        handler = functools.partial(Quiet, directory=SITE)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


def gone(element):
    try:
        return not element.is_displayed()
    except StaleElementReferenceException:
        return True


class Page:
    """The page in a browser of its own, with the user's languages."""

    def __init__(self, url, languages="en-US"):
        options = Options()
        options.binary_location = "/usr/bin/chromium"
        for argument in ("--headless=new", "--no-sandbox", "--window-size=900,700", "--disable-gpu",
                         f"--lang={languages.split(',')[0]}"):
            options.add_argument(argument)
        options.add_experimental_option("prefs", {"intl.accept_languages": languages})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.driver.get(url)
        until(lambda: self.driver.execute_script("return document.querySelector('dialog[open]') !== null"),
              10, "the window")

    def close(self):
        if self.driver:
            self.driver.quit()
            self.driver = None

    def named(self, name, role=None, within=None):
        """The control a screen reader announces by this name (and role). A
        browser's accessible names run blanks together, as a screen reader
        would read them anyway; the texts on the screen keep theirs."""
        scope = within or self.driver
        spoken = " ".join(name.split())

        def find():
            for element in scope.find_elements(By.CSS_SELECTOR, "button, input, dialog, [role], img"):
                if element.accessible_name == spoken and (role is None or element.aria_role == role):
                    return element
            return None
        return until(find, 5, f"a control named {name!r}")

    def window(self, title):
        return self.named(title, "dialog")

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def type_into(self, field, text):
        field.click()
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys("a").key_up(Keys.CONTROL).send_keys(text).perform()

    def advanced(self, duration_ms, frequency_hz=None):
        self.named("Advanced  Mode", "checkbox").click()
        if frequency_hz is not None:
            self.type_into(self.named("Frequency(hz)", "textbox"), str(frequency_hz))
        self.type_into(self.named("time(ms)", "textbox"), str(duration_ms))

    def ended(self):
        return self.driver.execute_script("return !document.getElementById('ended').hidden")


class WebTest(DeskTest):
    def setUp(self):
        super().setUp()
        self.site = Site()
        self.cleanups.append(self.site.stop)

    def open(self, languages="en-US"):
        try:
            page = Page(self.site.url, languages)
        except WebDriverException as error:
            self.fail(f"the browser did not start: {error.msg}")
        self.cleanups.append(page.close)
        return page

    def test_preset_tone_is_exact(self):
        page = self.open()
        with self.record() as recorder:
            page.named("play", "button").click()
            recorder.await_sound(300 * RATE // 1000)
        # Every frame arrives; on a busy machine the browser's own stream
        # into PulseAudio may still put a gap in it (two runs of sound).
        tones = recorder.tones()
        self.assertEveryFrame(tones, 14400)
        longest = max(tones, key=lambda t: t.length)
        self.assertAlmostEqual(longest.frequency, 1000.0, delta=0.001)
        self.assertAlmostEqual(max(t.peak for t in tones), 0.5, delta=0.01)

    def test_advanced_tone_and_a_range_prompt(self):
        page = self.open()
        page.advanced(1234)
        with self.record() as recorder:
            page.named("play", "button").click()
            recorder.await_sound(1234 * RATE // 1000)
        self.assertEveryFrame(recorder.tones(), 1234 * RATE // 1000)

        # A frequency out of range: a modal prompt titled with the program's
        # name, one OK, and the field it is about has the focus afterwards.
        field = page.named("Frequency(hz)", "textbox")
        page.type_into(field, "0")
        with self.record() as recorder:
            page.named("play", "button").click()
            prompt = page.named("Vornaby", "alertdialog")
            self.assertIn("1", prompt.text)
            self.assertEqual([b.accessible_name for b in prompt.find_elements(By.TAG_NAME, "button")], ["OK"])
            page.keys(Keys.ENTER)
            until(lambda: gone(prompt), 3, "the prompt to close")
        self.assertEqual(recorder.tones(), [])
        self.assertEqual(page.driver.switch_to.active_element, field)

    def test_input_during_a_tone_acts_once_it_has_ended(self):
        page = self.open()
        page.advanced(1500)
        field = page.named("time(ms)", "textbox")
        with self.record() as recorder:
            play = page.named("play", "button")
            play.click()
            recorder.await_sound(RATE // 10)
            # Held: play again, a click into the field, End and 5, About. The
            # second tone starts, and reads the field, before the keys act.
            play.click()
            ActionChains(page.driver).click(field).send_keys(Keys.END, "5").perform()
            page.named("About", "button").click()
            self.assertEqual(field.get_attribute("value"), "1500")
            self.assertFalse(page.driver.execute_script("return document.querySelectorAll('dialog[open]').length > 1"))
            about = page.window("About Vornaby")
        self.assertEqual(field.get_attribute("value"), "15005")
        self.assertEveryFrame(recorder.tones(), 2 * 1500 * RATE // 1000)
        page.keys(Keys.ESCAPE)
        until(lambda: gone(about), 3, "the About box to close")

    def test_about_from_the_window_menu_and_every_control_named(self):
        page = self.open()
        self.assertEqual(page.driver.find_element(By.CSS_SELECTOR, ".vornaby-check span").text, "Advanced  Mode")
        for name, role in (("About", "button"), ("play", "button"), ("Frequency(hz)", "textbox"),
                           ("time(ms)", "textbox"), ("Advanced  Mode", "checkbox"), ("Frequency slider", "slider"),
                           ("Preset frequency(hz)", "combobox"), ("Vornaby", "dialog")):
            page.named(name, role)
        # A right click on the window's background opens the window menu.
        background = page.driver.find_element(By.CSS_SELECTOR, ".vornaby-client")
        ActionChains(page.driver).move_to_element_with_offset(background, -100, 60).context_click().perform()
        page.named("About Vornaby...", "menuitem").click()
        about = page.window("About Vornaby")
        self.assertTrue(page.driver.execute_script("return arguments[0].matches(':modal')", about))
        page.named("OK", "button", within=about).click()
        until(lambda: gone(about), 3, "the About box to close")
        # The keyboard's way in: Shift+F10.
        page.named("play", "button")
        ActionChains(page.driver).key_down(Keys.SHIFT).send_keys(Keys.F10).key_up(Keys.SHIFT).perform()
        page.named("About Vornaby...", "menuitem")
        page.keys(Keys.ESCAPE)

    def test_close_during_a_tone_fades_it_and_ends(self):
        page = self.open()
        page.advanced(8000)
        with self.record() as recorder:
            page.named("play", "button").click()
            recorder.await_sound(RATE // 2)
            asked = recorder.frames_so_far()
            page.keys(Keys.ESCAPE)
            until(page.ended, 2, "the page to say Vornaby has ended")
        # The end comes within 150 ms of the request, on a fade, not a cut.
        last = recorder.tones()[-1]
        self.assertLess(last.start + last.length - asked, 150 * RATE // 1000)
        self.assertLess(abs(last.frames[-1]), 0.01)
        self.assertFalse(page.driver.execute_script("return document.querySelector('dialog[open]') !== null"))

    def test_german_and_hebrew(self):
        page = self.open("de-DE,de")
        page.named("Abspielen", "button")
        page.named("Erweiterter Modus", "checkbox")
        self.assertEqual(page.driver.execute_script("return document.documentElement.lang"), "de")
        page.close()
        page = self.open("he-IL,he")
        play, about = page.named("נגן", "button"), page.named("אודות", "button")
        # Read from the right: the window is mirrored.
        self.assertLess(play.rect["x"], about.rect["x"])
        self.assertEqual(page.driver.execute_script("return document.documentElement.dir"), "rtl")

    def test_reload_with_the_server_gone_still_opens_the_window(self):
        page = self.open()
        until(lambda: page.driver.execute_script("return navigator.serviceWorker.controller !== null"), 10,
              "the page's service worker")
        self.site.stop()
        page.driver.refresh()
        until(lambda: page.driver.execute_script("return document.querySelector('dialog[open]') !== null"),
              10, "the window, offline")
        page.named("play", "button")
        # Nothing kept but the program's own files.
        self.assertEqual(page.driver.execute_script(
            "return [document.cookie, localStorage.length, sessionStorage.length]"), ["", 0, 0])


if __name__ == "__main__":
    unittest.main()
