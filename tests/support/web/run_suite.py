#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
"""run_suite.py SITE_DIR LANGUAGES [DOCTEST_ARGUMENT...]

Runs the dialog suite, compiled into the page SITE_DIR/suite.html, in the
browser engine VORNABY_BROWSER names (browsers.py), whose user languages are
LANGUAGES ("en-US", "de-DE,de"). The page asks this runner for input (POST
/drive), which it makes through the engine's automation: real input, which the
page cannot tell from a user's. The page's output and
status come back with POST /done; the runner prints them and exits with the
status."""
import functools
import http.server
import json
import os
import shutil
import sys
import tempfile
import threading

sys.path.insert(0, os.path.dirname(__file__))
import browsers  # noqa: E402

# The whole run; each test case has 30 s of its own, which the page watches.
RUN_SECONDS = int(os.environ.get("VORNABY_SUITE_SECONDS", "600"))


class Runner:
    def __init__(self, site, languages):
        self.done = threading.Event()
        self.result = {"status": 1, "output": ["the page never reported"]}
        handler = functools.partial(Handler, self, directory=site)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.browser = browsers.launch(languages=languages)

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
        return self.browser.drive(action)


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
                answer = self.runner.drive(body).encode()
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
    # The browser's profile, caches and crash reports, its toolkit's settings
    # and its sound client's state go to a home of its own, not the user's.
    home = tempfile.mkdtemp(prefix="vornaby-browser-")
    os.environ.update(HOME=home, XDG_CONFIG_HOME=f"{home}/.config", XDG_CACHE_HOME=f"{home}/.cache",
                      XDG_DATA_HOME=f"{home}/.local/share")
    try:
        runner = Runner(argv[1], argv[2])
        try:
            result = runner.run(argv[3:])
        finally:
            runner.close()
    finally:
        shutil.rmtree(home, ignore_errors=True)
    for line in result["output"]:
        print(line)
    return int(result["status"])


if __name__ == "__main__":
    sys.exit(main(sys.argv))
