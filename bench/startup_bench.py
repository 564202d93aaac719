# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
"""Start-up: launch to a visible window, and memory one second later, of
Vornaby against two floors built with the same Qt (an empty dialog of the same
size and title, and the same controls built by uic from the program's own
template), run alternately on the desk. Then where Vornaby's extra memory
lies, mapping by mapping. And the Windows program under Wine against a plain
Win32 dialog box made from the same template, in the same Wine."""
import os
import select
import statistics
import subprocess
import sys
import time

from Xlib import X, display

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from desk_tools import BINARY, WINDOWS_BINARY, WindowsProgram  # noqa: E402

FLOORS = os.path.join(os.path.dirname(BINARY), "bench", "floors")
ROUNDS = int(os.environ.get("BENCH_LAUNCHES", "11"))


class Screen:
    """Sees windows being mapped, on the X server's own events."""

    def __init__(self):
        self.display = display.Display()
        self.root = self.display.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.pid_atom = self.display.intern_atom("_NET_WM_PID")
        self.display.sync()

    def _pid_of(self, window):
        for candidate in [window] + list(window.query_tree().children):
            try:
                prop = candidate.get_full_property(self.pid_atom, X.AnyPropertyType)
            except Exception:  # a window that went away meanwhile
                continue
            if prop and prop.value:
                return int(prop.value[0])
        return None

    def wait_mapped(self, pid, timeout=10.0):
        """The monotonic time at which a window of pid was mapped, and the window."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if not self.display.pending_events():
                select.select([self.display.fileno()], [], [], 0.05)
            while self.display.pending_events():
                event = self.display.next_event()
                if event.type == X.MapNotify and self._pid_of(event.window) == pid:
                    return time.monotonic(), event.window
        raise RuntimeError(f"no window from {pid}")


def memory_kib(pid):
    figures = {}
    with open(f"/proc/{pid}/smaps_rollup") as rollup:
        for line in rollup:
            key, _, value = line.partition(":")
            if value.strip().endswith("kB"):
                figures[key] = int(value.split()[0])
    return figures["Rss"], figures["Private_Clean"] + figures["Private_Dirty"]


def private_by_mapping(pid):
    """Private KiB per mapped file (or [heap], [anon]...)."""
    totals, name = {}, None
    with open(f"/proc/{pid}/smaps") as smaps:
        for line in smaps:
            fields = line.split()
            if len(fields) >= 5 and "-" in fields[0]:
                name = os.path.basename(fields[5]) if len(fields) > 5 else "[anonymous]"
            elif fields and fields[0] in ("Private_Clean:", "Private_Dirty:"):
                totals[name] = totals.get(name, 0) + int(fields[1])
    return totals


def launch(screen, argv, env=None):
    started = time.monotonic()
    process = subprocess.Popen(argv, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        shown, window = screen.wait_mapped(process.pid)
        time.sleep(1.0)
        rss, private = memory_kib(process.pid)
        mappings = private_by_mapping(process.pid)
        geometry = window.get_geometry()
    finally:
        process.terminate()
        process.wait()
    return (shown - started) * 1000, rss, private, mappings, (geometry.width, geometry.height)


def table(screen, title, programs, floor, env=None):
    """Alternate launches of each program; prints their medians, and returns
    the runs by name."""
    runs = {name: [] for name, _ in programs}
    for _ in range(ROUNDS):
        for name, argv in programs:
            runs[name].append(launch(screen, argv, env))

    def median(name, index):
        return statistics.median(run[index] for run in runs[name])

    print(f"{title}: launch to a visible window and memory one second later; "
          f"medians of {ROUNDS} alternate launches.")
    print()
    print("| | launch to visible window (ms) | resident (MiB) | private (MiB) |")
    print("|---|---|---|---|")
    for name, _ in programs:
        print(f"| {name} | {median(name, 0):.0f} ({median(name, 0) / median(floor, 0):.2f}x) "
              f"| {median(name, 1) / 1024:.1f} | {median(name, 2) / 1024:.1f} "
              f"({(median(name, 2) - median(floor, 2)) / 1024:+.1f}) |")
    print()
    return runs


def extra_by_mapping(ours, theirs):
    """Where a program's private memory beyond its floor's lies, in the last launch of each."""
    ours, theirs = ours[-1][3], theirs[-1][3]
    extra = sorted(((ours.get(k, 0) - theirs.get(k, 0), k) for k in set(ours) | set(theirs)), reverse=True)
    print("Private memory beyond the floor, by mapping (KiB): " +
          ", ".join(f"{k} {v:+d}" for v, k in extra if abs(v) >= 64))
    only = sorted(k for k in ours if k not in theirs and (k.endswith((".so", ".qm", ".dll", ".drv")) or ".so." in k))
    print(f"Files mapped by the program only ({len(only)}): " + ", ".join(only))


def windows_table(screen):
    """The same under Wine, with a wine server kept running across launches."""
    floor = os.path.join(os.path.dirname(WINDOWS_BINARY), "floor_win32_dialog.exe")
    WindowsProgram.make_prefix()
    env = WindowsProgram.ENV
    subprocess.run(["/usr/lib/wine/wineserver64", "-p"], env=env, check=True)
    try:
        runs = table(screen, "Windows, under Wine",
                     [("plain dialog box", [WindowsProgram.WINE, floor]),
                      ("Vornaby.exe", [WindowsProgram.WINE, WINDOWS_BINARY])],
                     "plain dialog box", env)
        extra_by_mapping(runs["Vornaby.exe"], runs["plain dialog box"])
    finally:
        subprocess.run(["/usr/lib/wine/wineserver64", "-k"], env=env)


def web_figures():
    """The browser build: what a visitor downloads, and how soon the page
    paints and shows its window (headless Chromium, the page served on
    127.0.0.1): the first load in a browser just started, and five loads
    after it in the same browser."""
    import gzip
    from test_web import Page, Site
    site_dir = os.environ["VORNABY_WEB_BUILD"]
    sizes = {name: len(gzip.compress(open(os.path.join(site_dir, name), "rb").read(), 9))
             for name in ("vornaby.js", "vornaby.wasm")}
    site = Site()
    page = Page(site.url)
    loads = []
    for n in range(6):
        if n:
            page.browser.get(f"{site.url}?load={n}")
        # Paint timing is reported once the frame is on the screen.
        deadline = time.monotonic() + 5
        entries = None
        while entries is None and time.monotonic() < deadline:
            entries = page.script(
                "const paint = performance.getEntriesByName('first-contentful-paint')[0];"
                "const shown = performance.getEntriesByName('vornaby-window-shown')[0];"
                "return paint && shown ? [paint.startTime, shown.startTime] : null;")
            time.sleep(0.05)
        if entries:
            loads.append(entries)
    page.close()
    site.stop()
    first, later = loads[0], loads[1:]
    print(f"Browser build: vornaby.js and vornaby.wasm {sum(sizes.values()) / 1024:.1f} kB gzipped "
          f"({sizes['vornaby.js'] / 1024:.1f} + {sizes['vornaby.wasm'] / 1024:.1f}). From navigation to the "
          f"window shown / first contentful paint: {first[1]:.0f} / {first[0]:.0f} ms in a browser just "
          f"started; {statistics.median(w for _, w in later):.0f} / {statistics.median(p for p, _ in later):.0f} ms "
          f"(median of {len(later)} loads after it).")


def main():
    screen = Screen()
    # The floors take the program's own window size.
    _, _, _, _, (width, height) = launch(screen, [BINARY])
    floor = "same controls, nothing else"
    runs = table(screen, "Linux",
                 [("empty dialog", [os.path.join(FLOORS, "floor_empty"), str(width), str(height)]),
                  (floor, [os.path.join(FLOORS, "floor_controls"), str(width), str(height)]),
                  ("vornaby", [BINARY])], floor)
    extra_by_mapping(runs["vornaby"], runs[floor])
    if WINDOWS_BINARY:
        print()
        windows_table(screen)
    if os.environ.get("VORNABY_WEB_BUILD"):
        print()
        web_figures()


if __name__ == "__main__":
    main()
