# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
"""Memory over a thousand tones: the program's resident size after the first
hundred tones and after a thousand, through the real sound chain."""
import os
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from desk_tools import App, Recorder, move_pointer, split_tones  # noqa: E402


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def play_many(app, play, count):
    x, y, w, h = play.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    move_pointer(x + w // 2, y + h // 2)
    # Presses made during a tone are held and each gives one tone afterwards,
    # even 2 ms apart, faster than any hand.
    subprocess.run(["xdotool", "click", "--repeat", str(count), "--delay", "2", "1"], check=True)


def main():
    app = App()
    app.advanced(50)
    play = app.button("play")
    figures = []
    with Recorder() as recorder:
        for batch in (100, 900):
            play_many(app, play, batch)
            time.sleep(batch * 0.056 + 2)
            figures.append(rss_kib(app.process.pid))
        # Back-to-back tones are apart by only the time between two tone
        # calls; a 1 kHz tone sampled at frame centres is never exactly 0.
        samples = recorder.stop()
        tones = split_tones(samples, gap_ms=0.5)
    app.close()
    recorder.cleanup()
    print(f"tones heard: {len(tones)} of 1000; frames heard: {int((samples != 0).sum())} "
          f"(1000 tones of 2400 frames: 2400000)")
    print(f"resident size after 100 tones: {figures[0]} KiB; after 1000: {figures[1]} KiB; "
          f"growth: {figures[1] - figures[0]} KiB")


if __name__ == "__main__":
    main()
