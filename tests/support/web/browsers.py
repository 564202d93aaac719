# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
"""The three browser engines the page is tested in, each from Debian's
packages and each driven through its own automation: Chromium through
chromedriver, WebKitGTK (Safari's engine) through WebKitWebDriver and its
MiniBrowser, both classic WebDriver by Selenium; Firefox over WebDriver BiDi by
puppeteer-core (firefox.js), as Debian has no geckodriver.

Every engine is a Browser: a page to load, scripts to run in it, and real
input (clicks, presses, keys and text) made by the engine's automation."""
import json
import os
import subprocess
import threading

from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

ENGINES = ("chromium", "firefox", "webkit")
# WebKitGTK's Web Audio runs at 44100 Hz whatever the sound server's rate.
ENGINE_RATES = {"webkit": 44100}
MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"


def use_locale(language):
    """Makes this process's locale, which its children inherit, the one for
    language ("de-DE"): WebKitGTK offers the page the C library's locale. The
    locale is compiled from Debian's locale sources into a folder of the
    home's cache, so that the machine needs none generated."""
    name = language.replace("-", "_")
    if "_" not in name:
        return
    folder = os.path.join(os.environ.get("XDG_CACHE_HOME") or os.path.expanduser("~/.cache"), "vornaby-locales")
    if not os.path.isdir(os.path.join(folder, f"{name}.UTF-8")):
        os.makedirs(folder, exist_ok=True)
        subprocess.run(["localedef", "-i", name, "-f", "UTF-8", os.path.join(folder, f"{name}.UTF-8")], check=True,
                       capture_output=True)
    os.environ.update(LOCPATH=folder, LC_ALL=f"{name}.UTF-8", LANG=f"{name}.UTF-8", LANGUAGE=name)


def engine():
    """The engine a test runs in: VORNABY_BROWSER, Chromium by default."""
    name = os.environ.get("VORNABY_BROWSER", "chromium")
    if name not in ENGINES:
        raise SystemExit(f"VORNABY_BROWSER={name}: not one of {', '.join(ENGINES)}")
    return name


class Browser:
    """The page in one engine, with the user's languages ("de-DE,de")."""

    # A click, press or release at dx pixels right of the centre of the
    # element a CSS selector finds; keys by name, Shift held or not; text; or
    # the name and ARIA role the engine's accessibility tree gives an element.
    def drive(self, action):
        what = action["do"]
        if what in ("click", "press"):
            getattr(self, what)(action["selector"], action.get("dx", 0))
        elif what == "release":
            self.release(action["dx"])
        elif what == "keys":
            self.keys(action["keys"], [name for name in ("Shift", "Control") if action.get(name.lower())])
        elif what == "text":
            self.text(action["text"])
        elif what == "accessible":
            return "\n".join(self.accessible(action["selector"]))
        return "ok"


class SeleniumBrowser(Browser):
    """Chromium and WebKitGTK: classic WebDriver."""

    def __init__(self, name, languages="en-US", size=(1000, 800), phone=False):
        self.bus = None
        if name == "chromium":
            from selenium.webdriver.chrome.options import Options
            from selenium.webdriver.chrome.service import Service
            options = Options()
            options.binary_location = "/usr/bin/chromium"
            for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", f"--window-size={size[0]},{size[1]}",
                             "--disable-background-networking",
                             "--no-first-run", f"--lang={languages.split(',')[0]}"):
                options.add_argument(argument)
            options.add_experimental_option("prefs", {"intl.accept_languages": languages})
            if phone:
                # A phone's screen of size CSS px at 3 device pixels each, with touch.
                options.add_experimental_option("mobileEmulation", {
                    "deviceMetrics": {"width": size[0], "height": size[1], "pixelRatio": 3.0, "touch": True},
                    "userAgent": "Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 (KHTML, like Gecko) "
                                 "Chrome/120.0 Mobile Safari/537.36"})
            self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        else:
            from selenium.webdriver.webkitgtk.options import Options
            options = Options()
            options.binary_location = MINIBROWSER
            options.add_argument("--automation")
            # The browser's environment, which it takes when it starts: this
            # process's own is given back afterwards.
            saved = dict(os.environ)
            use_locale(languages.split(",")[0])
            # With no session (a display of its own), a session bus of its
            # own, for its accessibility bus and settings, whose services then
            # keep their state in this process's home. (On a desk it takes
            # the desk's: its accessibility bus, once gone, would stay named
            # on the display for every program after it.)
            if not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
                self.bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
                os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.bus.stdout.readline().strip()
            try:
                self.driver = webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver", options=options)
            finally:
                os.environ.clear()
                os.environ.update(saved)
            self.driver.set_window_size(*size)

    def get(self, url):
        self.driver.get(url)

    def script(self, body, *args):
        return self.driver.execute_script(body, *args)

    def _chain(self):
        return ActionChains(self.driver, duration=0)

    def _element(self, target):
        return self.driver.find_element(By.CSS_SELECTOR, target) if isinstance(target, str) else target

    def click(self, target, dx=0, dy=0, button="left"):
        chain = self._chain().move_to_element_with_offset(self._element(target), dx, dy)
        (chain.context_click() if button == "right" else chain.click()).perform()

    def tap(self, target, dx=0, dy=0, hold=0.05):
        """A finger's touch, held for hold seconds, on a part of the page
        scrolled into view first, as a user pans to it."""
        element = self._element(target)
        self.driver.execute_script("arguments[0].scrollIntoView({block: 'nearest', inline: 'nearest'})", element)
        actions = ActionBuilder(self.driver, mouse=PointerInput(interaction.POINTER_TOUCH, "finger"))
        actions.pointer_action.move_to(element, dx, dy).pointer_down().pause(hold).pointer_up()
        actions.perform()

    def press(self, target, dx=0):
        self._chain().move_to_element_with_offset(self._element(target), dx, 0).click_and_hold().perform()

    def release(self, dx):
        self._chain().move_by_offset(dx, 0).release().perform()

    def keys(self, keys, modifiers=()):
        names = {"Return": Keys.ENTER, "Space": Keys.SPACE, "PageUp": Keys.PAGE_UP, "Shift": Keys.SHIFT,
                 "Control": Keys.CONTROL, "Alt": Keys.ALT}
        chain = self._chain()
        for modifier in modifiers:
            chain.key_down(names[modifier])
        for key in keys:
            chain.send_keys(names.get(key) or getattr(Keys, key.upper(), key))
        for modifier in reversed(modifiers):
            chain.key_up(names[modifier])
        chain.perform()

    def text(self, text):
        self._chain().send_keys(text).perform()

    def accessible(self, target):
        element = self._element(target)
        return element.accessible_name, element.aria_role

    def named(self, name, role=None, within=None):
        for element in (within or self.driver).find_elements(By.CSS_SELECTOR, "button, input, dialog, [role], img"):
            try:
                if element.accessible_name == name and (role is None or element.aria_role == role):
                    return element
            except WebDriverException:
                pass  # WebKit reads no name off some elements (a closed <dialog>); they are not this one
        return None

    def reload(self):
        self.driver.refresh()

    def quit(self):
        self.driver.quit()
        if self.bus:
            self.bus.terminate()
            self.bus.wait()
            self.bus.stdout.close()


class FirefoxElement:
    """An element of the page Firefox's driver holds, by its number."""

    def __init__(self, number):
        self.number = number

    def __eq__(self, other):
        return isinstance(other, FirefoxElement) and other.number == self.number


def target_of(target):
    return target.number if isinstance(target, FirefoxElement) else target


class FirefoxBrowser(Browser):
    """Firefox over BiDi: firefox.js, one JSON request a line."""

    def __init__(self, languages="en-US", size=(1000, 800)):
        self.lock = threading.Lock()  # one request at a time, from any thread
        tools = os.environ.get("VORNABY_WEB_TOOLS", "")
        if not os.path.isdir(os.path.join(tools, "node_modules", "puppeteer-core")):
            raise SystemExit(f"puppeteer-core is not installed in VORNABY_WEB_TOOLS={tools!r} (scripts/install-deps)")
        self.bridge = subprocess.Popen(["node", os.path.join(os.path.dirname(__file__), "firefox.js")],
                                       stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True,
                                       env=dict(os.environ, NODE_PATH=os.path.join(tools, "node_modules")))
        self.request("launch", languages=languages, width=size[0], height=size[1])

    def request(self, op, **arguments):
        with self.lock:
            self.bridge.stdin.write(json.dumps(dict(arguments, op=op)) + "\n")
            self.bridge.stdin.flush()
            line = self.bridge.stdout.readline()
        if not line:
            raise RuntimeError(f"Firefox's driver ended during {op}")
        answer = json.loads(line)
        if "error" in answer:
            raise RuntimeError(f"{op}: {answer['error']}")
        return answer["value"]

    def get(self, url):
        self.request("goto", url=url)

    def script(self, body, *args):
        value = self.request("script", body=body,
                             args=[{"element": a.number} if isinstance(a, FirefoxElement) else a for a in args])
        return FirefoxElement(value["element"]) if isinstance(value, dict) and "element" in value else value

    def click(self, target, dx=0, dy=0, button="left"):
        self.request("click", target=target_of(target), dx=dx, dy=dy, button=button)

    def press(self, target, dx=0):
        self.request("press", target=target_of(target), dx=dx)

    def release(self, dx):
        self.request("release", dx=dx)

    def keys(self, keys, modifiers=()):
        self.request("keys", keys=list(keys), modifiers=list(modifiers))

    def text(self, text):
        self.request("text", text=text)

    def accessible(self, target):
        return self.request("accessible", target=target_of(target))

    def named(self, name, role=None, within=None):
        found = self.request("find", name=name, role=role, within=None if within is None else within.number)
        return FirefoxElement(found[0]) if found else None

    def reload(self):
        self.request("reload")

    def quit(self):
        try:
            self.request("quit")
        except (RuntimeError, OSError, ValueError):
            pass
        try:
            self.bridge.wait(10)
        except subprocess.TimeoutExpired:
            self.bridge.kill()


def launch(name=None, languages="en-US", size=(1000, 800), phone=False):
    """The page in an engine; with phone, Chromium's emulation of a phone
    whose screen is size, with touch."""
    name = name or engine()
    if name == "firefox":
        return FirefoxBrowser(languages, size)
    return SeleniumBrowser(name, languages, size, phone)
