#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
"""run_suite.py SITE_DIR LANGUAGES [DOCTEST_ARGUMENT...]

Runs the dialog suite, compiled into the page SITE_DIR/suite.html, in headless
Chromium whose user languages are LANGUAGES ("en-US", "de-DE,de"). The page
asks this runner for input (POST /drive), which it makes through WebDriver:
real input, which the page cannot tell from a user's. The page's output and
status come back with POST /done; the runner prints them and exits with the
status."""
import functools
import http.server
import json
import os
import sys
import threading

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

KEYS = {"Tab": Keys.TAB, "Return": Keys.ENTER, "Escape": Keys.ESCAPE, "Left": Keys.LEFT, "Right": Keys.RIGHT,
        "Up": Keys.UP, "Down": Keys.DOWN, "PageUp": Keys.PAGE_UP, "Home": Keys.HOME, "End": Keys.END,
        "Space": Keys.SPACE, "Delete": Keys.DELETE, "F10": Keys.F10, "5": "5"}
# The whole run; each test case has 30 s of its own, which the page watches.
RUN_SECONDS = int(os.environ.get("VORNABY_SUITE_SECONDS", "600"))


class Runner:
    def __init__(self, site, languages):
        self.done = threading.Event()
        self.result = {"status": 1, "output": ["the page never reported"]}
        handler = functools.partial(Handler, self, directory=site)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        options = Options()
        options.binary_location = "/usr/bin/chromium"
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1000,800",
                         "--enable-blink-features=ComputedAccessibilityInfo", f"--lang={languages.split(',')[0]}"):
            options.add_argument(argument)
        options.add_experimental_option("prefs", {"intl.accept_languages": languages})
        self.browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)

    def run(self, arguments):
        arguments = ["--no-colors=true", *arguments]
        url = f"http://127.0.0.1:{self.server.server_address[1]}/suite.html#{json.dumps(arguments)}"
        self.browser.get(url)
        if not self.done.wait(RUN_SECONDS):
            self.result = {"status": 1, "output": [f"the suite did not end within {RUN_SECONDS} s"]}
        return self.result

    def close(self):
        self.browser.quit()
        self.server.shutdown()

    def drive(self, action):
        chain = ActionChains(self.browser, duration=0)
        what = action["do"]
        if what in ("click", "press"):
            element = self.browser.find_element(By.CSS_SELECTOR, action["selector"])
            chain.move_to_element_with_offset(element, action.get("dx", 0), 0)
            chain.click() if what == "click" else chain.click_and_hold()
        elif what == "release":
            chain.move_by_offset(action["dx"], 0).release()
        elif what == "keys":
            shift = action.get("shift", False)
            if shift:
                chain.key_down(Keys.SHIFT)
            for key in action["keys"]:
                chain.send_keys(KEYS[key])
            if shift:
                chain.key_up(Keys.SHIFT)
        elif what == "text":
            chain.send_keys(action["text"])
        chain.perform()


class Handler(http.server.SimpleHTTPRequestHandler):
    def __init__(self, runner, *args, **kwargs):
        self.runner = runner
        super().__init__(*args, **kwargs)

    def log_message(self, *args):
        pass

    def do_POST(self):
        body = json.loads(self.rfile.read(int(self.headers["Content-Length"])) or b"{}")
        answer = b"ok"
        if self.path == "/drive":
            try:
                self.runner.drive(body)
            except Exception as error:  # the page's check then fails on what it sees
                answer = f"failed: {error}".encode()
        elif self.path == "/done":
            self.runner.result = body
            self.runner.done.set()
        self.send_response(200)
        self.send_header("Content-Length", str(len(answer)))
        self.end_headers()
        self.wfile.write(answer)


def main(argv):
    runner = Runner(argv[1], argv[2])
    try:
        result = runner.run(argv[3:])
    finally:
        runner.close()
    for line in result["output"]:
        print(line)
    return int(result["status"])


if __name__ == "__main__":
    sys.exit(main(sys.argv))
