# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
"""Tone quality and latency, ours against the tools people use for a test tone.

Every player sounds 1000 Hz for 300 ms through ALSA's "default" (or the sound
server) into the desk's 48 kHz null sink, recorded from its monitor; the same
analysis measures each. Run through bench/run, which brings up the desk.
"""
import os
import subprocess
import sys
import tempfile
import threading
import time
import wave

import numpy as np

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from desk_tools import (BINARY, RATE, WINDOWS_BINARY, App, Recorder, WindowsProgram, frequency_of,  # noqa: E402
                        move_pointer, split_tones)

FREQUENCY, DURATION_MS = 1000, 300
EXPECTED_FRAMES = FREQUENCY and DURATION_MS * RATE // 1000


class LiveRecorder:
    """parec read as it arrives, each chunk stamped with the monotonic clock,
    so that an onset in the recording can be put on the same clock as a press."""

    def __init__(self):
        sink = os.environ["VORNABY_DESK_SINK"]
        self.process = subprocess.Popen(
            ["parec", "--latency-msec=5", "-d", f"{sink}.monitor", "--format=float32le",
             f"--rate={RATE}", "--channels=1", "--raw"], stdout=subprocess.PIPE, bufsize=0)
        self.chunks = []  # (arrival time, first frame index, samples)
        self.frames = 0
        self.lock = threading.Lock()
        self.thread = threading.Thread(target=self._read, daemon=True)
        self.thread.start()
        time.sleep(0.5)

    def _read(self):
        pending = b""
        while True:
            data = self.process.stdout.read(4096)
            if not data:
                return
            now = time.monotonic()
            pending += data
            usable = len(pending) // 4 * 4
            samples = np.frombuffer(pending[:usable], dtype="<f4")
            pending = pending[usable:]
            with self.lock:
                self.chunks.append((now, self.frames, samples))
                self.frames += len(samples)

    def mark(self):
        with self.lock:
            return self.frames

    def since(self, frame):
        with self.lock:
            parts = [(t, i, s) for t, i, s in self.chunks if i + len(s) > frame]
        if not parts:
            return np.zeros(0), []
        start = parts[0][1]
        return np.concatenate([s for _, _, s in parts])[frame - start:], parts

    def time_of(self, frame):
        """When the frame reached the recorder, on the monotonic clock."""
        with self.lock:
            for t, i, s in self.chunks:
                if i <= frame < i + len(s):
                    return t - (i + len(s) - 1 - frame) / RATE
        return None

    def close(self):
        self.process.terminate()
        self.process.wait()


def thd_n_db(x, f):
    n = np.arange(len(x))
    basis = np.column_stack([np.sin(2 * np.pi * f * n / RATE), np.cos(2 * np.pi * f * n / RATE), np.ones(len(x))])
    coef, *_ = np.linalg.lstsq(basis, x, rcond=None)
    fit = basis[:, :2] @ coef[:2]
    residual = x - basis @ coef
    return 10 * np.log10(np.sum(residual ** 2) / np.sum(fit ** 2))


def _window_spectrum(x, centre):
    half = RATE // 200
    padded = np.concatenate([np.zeros(half), x, np.zeros(half)])
    segment = padded[centre:centre + 2 * half]
    return np.abs(np.fft.rfft(segment * np.hanning(len(segment)), 65536)) ** 2


def click_db(x, centre, f):
    """Energy beyond +-200 Hz of the tone in a 10 ms window centred on an
    edge, relative to the tone's whole energy in such a window mid-tone."""
    bins = np.fft.rfftfreq(65536, 1 / RATE)
    outside = np.abs(bins - f) > 200
    steady = np.sum(_window_spectrum(x, len(x) // 2))
    return 10 * np.log10(np.sum(_window_spectrum(x, centre)[outside]) / steady)


def measure(tone):
    x = tone.frames.astype(np.float64)
    plateau = x[RATE // 50:-RATE // 50]
    return {
        "freq_err": abs(frequency_of(x) - FREQUENCY),
        "len_err_ms": (len(x) - EXPECTED_FRAMES) * 1000 / RATE,
        "thdn": thd_n_db(plateau, FREQUENCY),
        "click_on": click_db(x, 0, FREQUENCY),
        "click_off": click_db(x, len(x), FREQUENCY),
        "floor": click_db(x, len(x) // 2, FREQUENCY),
        "level": 20 * np.log10(np.sqrt(2 * np.mean(plateau ** 2))),
    }


def play_and_measure(recorder, action, presses):
    results, latencies = [], []
    for _ in range(presses):
        mark = recorder.mark()
        pressed = action()
        deadline = time.monotonic() + 3
        tone = None
        while time.monotonic() < deadline:
            time.sleep(0.05)
            x, _ = recorder.since(mark)
            tones = split_tones(x)
            if tones and tones[0].start + tones[0].length + RATE // 20 < len(x):
                tone = tones[0]
                break
        if tone is None:
            continue
        results.append(measure(tone))
        onset = recorder.time_of(mark + tone.start)
        latencies.append((onset - pressed) * 1000)
        time.sleep(0.15)
    return results, latencies


def write_wav(path, amplitude=0.5, frames=EXPECTED_FRAMES):
    n = np.arange(frames)
    samples = np.round(amplitude * 32767 * np.sin(2 * np.pi * FREQUENCY * n / RATE)).astype("<i2")
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(samples.tobytes())


def command_action(argv):
    def run():
        start = time.monotonic()
        subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return start
    return run


def record_command(recorder, argv):
    """Runs a command that sounds one tone and returns the tones heard."""
    mark = recorder.mark()
    subprocess.run(argv, check=True)
    time.sleep(0.2)
    x, _ = recorder.since(mark)
    return split_tones(x)


def frequency_sweep(recorder):
    """Frequency error through the real chain, from 20 Hz to 20 kHz: one second
    of each through the tone service, by the play-tone helper."""
    errors = []
    for f in (20, 40, 440, 1000, 8837, 12345, 20000):
        tones = record_command(recorder, [HELPER, str(f), "1000"])
        errors.append((f, abs(frequency_of(tones[0].frames) - f) if tones else float("nan")))
    return errors


def thd_n_at_997(recorder):
    """THD+N of ours and of sox at 997 Hz, whose samples at 48 kHz do not
    fall on exactly representable values the way a phase-0 sine at 1 kHz
    does (0, +-0.25, +-0.5), so the float format's rounding is compared fairly."""
    figures = {}
    for name, argv in (("vornaby", [HELPER, "997", "300"]),
                       ("sox", ["play", "-q", "-n", "synth", "0.3", "sine", "997", "vol", "0.5"])):
        tones = record_command(recorder, argv)
        figures[name] = thd_n_db(tones[0].frames.astype(np.float64)[RATE // 50:-RATE // 50], 997) if tones else 0
    return figures


PIPEWIRE = os.environ.get("VORNABY_DESK_SOUND") == "pipewire"
HELPER = os.path.join(os.path.dirname(BINARY), "tests", "play-tone")


def pipewire_setting(key, value):
    subprocess.run(["pw-metadata", "-n", "settings", "0", key, str(value)], check=True, capture_output=True)


def queued_gaps(recorder):
    """Silence between tones queued back to back (the tone service called
    again as soon as it returns), through the tone service. Tones may follow
    on the next frame, so each is taken as its known length from its first
    sounding frame (no frame of a tone is exactly 0)."""
    mark = recorder.mark()
    subprocess.run([HELPER, "1000", "300", "1000", "300", "1000", "300"], check=True)
    time.sleep(0.2)
    x, _ = recorder.since(mark)
    sounding, length, gaps = np.flatnonzero(x != 0.0), RATE * 300 // 1000, []
    start = sounding[0] if len(sounding) else None
    for _ in range(2):
        later = sounding[sounding >= start + length] if start is not None else []
        if not len(later):
            break
        gaps.append((later[0] - start - length) * 1000 / RATE)
        start = later[0]
    return gaps


def long_tones_under_load(recorder, wav3s, runs=5):
    """3000 ms tones while the desktop is busy (a screenshot of it is taken
    half a second in): how many of them broke up, for each player."""
    players = [("vornaby", [HELPER, "1000", "3000"]), ("paplay", ["paplay", wav3s])]
    if PIPEWIRE:
        players.append(("pw-play", ["pw-play", wav3s]))
    broken = {}
    for name, argv in players:
        broken[name] = 0
        for _ in range(runs):
            mark = recorder.mark()
            player = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(0.5)
            subprocess.run(["import", "-window", "root", "-quality", "100", "png:/dev/null"], capture_output=True)
            player.wait()
            time.sleep(0.2)
            x, _ = recorder.since(mark)
            broken[name] += len(split_tones(x)) != 1
    return broken


def graph_at_44k():
    """PipeWire's graph and a sink at 44.1 kHz: a 1 kHz and a 20 kHz tone, by
    their length in frames at that rate and their level."""
    sink = os.environ["VORNABY_DESK_SINK_44K"]
    pipewire_setting("clock.force-rate", 44100)
    subprocess.run(["pactl", "set-default-sink", sink], check=True)
    time.sleep(0.3)
    figures = []
    try:
        for f in (1000, 20000):
            with Recorder(sink=sink, rate=44100) as recorder:
                subprocess.run([HELPER, str(f), "300"], check=True)
                time.sleep(0.3)
            tones = recorder.tones()
            recorder.cleanup()
            figures.append((f, tones[0].length if tones else 0, 20 * np.log10(tones[0].peak) if tones else 0))
    finally:
        subprocess.run(["pactl", "set-default-sink", os.environ["VORNABY_DESK_SINK"]], check=True)
        pipewire_setting("clock.force-rate", 0)
    return figures


def stopped_tones(recorder, trials=3):
    """Closes the program one second into an 8000 ms tone, by Escape and by
    SIGTERM: how long from the request until the tone's last frame reached the
    recorder, and the click of that stop."""
    figures = {}
    for how in ("Escape", "SIGTERM"):
        silences, clicks = [], []
        for _ in range(trials):
            app = App()
            app.advanced(8000)
            mark = recorder.mark()
            app.click(app.button("play"))
            time.sleep(1.0)
            asked = time.monotonic()
            if how == "Escape":
                subprocess.run(["xdotool", "key", "Escape"], check=True)
                asked = (asked + time.monotonic()) / 2  # the key reached the server in between
            else:
                app.process.terminate()
            app.wait_exit(3)
            time.sleep(0.4)
            x, _ = recorder.since(mark)
            tones = split_tones(x)
            app.close()
            if not tones:
                continue
            last = tones[0].start + tones[0].length - 1
            silences.append((recorder.time_of(mark + last) - asked) * 1000)
            clicks.append(click_db(tones[0].frames.astype(np.float64), tones[0].length, FREQUENCY))
        figures[how] = (silences, clicks)
    return figures


def main():
    presses = int(os.environ.get("BENCH_PRESSES", "20"))
    work = tempfile.mkdtemp(prefix="vornaby-bench-")
    wav = os.path.join(work, "tone.wav")
    write_wav(wav)
    recorder = LiveRecorder()
    rows = []
    try:
        app = App()
        play = app.button("play")
        x, y, w, h = play.queryComponent().getExtents(0)
        move_pointer(x + w // 2, y + h // 2)

        from Xlib import X, display
        from Xlib.ext import xtest
        x_display = display.Display()

        def press():
            # A real button press and release through XTEST; the press time is
            # when the release (which clicks a button) reached the X server.
            xtest.fake_input(x_display, X.ButtonPress, 1)
            xtest.fake_input(x_display, X.ButtonRelease, 1)
            x_display.sync()
            return time.monotonic()
        rows.append(("vornaby (press of play)", *play_and_measure(recorder, press, presses)))
        if PIPEWIRE:
            for quantum in (256, 1024, 4096):
                pipewire_setting("clock.force-quantum", quantum)
                time.sleep(0.3)
                rows.append((f"vornaby at quantum {quantum}", *play_and_measure(recorder, press, 5)))
            pipewire_setting("clock.force-quantum", 0)
        app.close()
        if WINDOWS_BINARY and not PIPEWIRE:
            # The Windows program under Wine, its audio through Wine's
            # PulseAudio driver: "play" has the focus, and a real key press
            # through XTEST presses it.
            WindowsProgram.make_prefix()
            program = WindowsProgram()
            program.keys("Tab")
            space = x_display.keysym_to_keycode(0x20)

            def press_key():
                xtest.fake_input(x_display, X.KeyPress, space)
                xtest.fake_input(x_display, X.KeyRelease, space)
                x_display.sync()
                return time.monotonic()
            rows.append(("Vornaby.exe under Wine (key on play)", *play_and_measure(recorder, press_key, presses)))
            program.close()
            # The floor under the same Wine: a bare WASAPI client, its stream
            # started once, that sounds a tone for each line on its input.
            floor = subprocess.Popen([WindowsProgram.WINE, os.path.join(os.path.dirname(WINDOWS_BINARY),
                                                                        "floor_wasapi_tone.exe")],
                                     env=WindowsProgram.ENV, stdin=subprocess.PIPE,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(3)  # Wine starts and the stream opens

            def press_line():
                floor.stdin.write(b"\n")
                floor.stdin.flush()
                return time.monotonic()
            rows.append(("bare WASAPI client under Wine (a line on its input)",
                         *play_and_measure(recorder, press_line, presses)))
            floor.stdin.close()
            floor.wait(10)
        if os.environ.get("VORNABY_WEB_BUILD") and not PIPEWIRE:
            # The browser build in each engine, its audio through PulseAudio:
            # a click on "play" through the engine's automation, timed from
            # when the click has been dispatched to the page. WebKitGTK plays
            # at 44.1 kHz, which the 48 kHz server resamples. Then the floor:
            # a bare page whose AudioContext is already running, which starts
            # a buffer on the click.
            from test_web import Page, Site, browsers
            site = Site()
            floors = Site(os.path.join(os.path.dirname(__file__), "floors"))
            for engine, name in (("chromium", "Chromium"), ("firefox", "Firefox"), ("webkit", "WebKitGTK")):
                page = Page(site.url, engine=engine)
                web_play = page.named("play", "button")

                def click():
                    page.click(web_play)
                    return time.monotonic()
                rows.append((f"the page in {name} (click on play)", *play_and_measure(recorder, click, presses)))
                page.close()
                floor = browsers.launch(engine, "en-US", (900, 700))
                floor.get(floors.url + "floor_web_tone.html")
                floor.click("#start")
                time.sleep(1.0)  # the context runs

                def click_floor():
                    floor.click("#play")
                    return time.monotonic()
                rows.append((f"bare page in {name}, its context running (click)",
                             *play_and_measure(recorder, click_floor, presses)))
                floor.quit()
            floors.stop()
            site.stop()
        rows.append(("sox play -n synth 0.3 sine 1000 vol 0.5",
                     *play_and_measure(recorder, command_action(
                         ["play", "-q", "-n", "synth", "0.3", "sine", "1000", "vol", "0.5"]), min(presses, 10))))
        rows.append(("aplay -D default (48 kHz WAV)",
                     *play_and_measure(recorder, command_action(["aplay", "-q", "-D", "default", wav]),
                                       min(presses, 10))))
        rows.append(("paplay (48 kHz WAV)",
                     *play_and_measure(recorder, command_action(["paplay", wav]), min(presses, 10))))
        if PIPEWIRE:
            rows.append(("pw-play (48 kHz WAV)",
                         *play_and_measure(recorder, command_action(["pw-play", wav]), min(presses, 10))))
        gaps = queued_gaps(recorder)
        wav3s = os.path.join(work, "tone3s.wav")
        write_wav(wav3s, frames=3 * RATE)
        under_load = long_tones_under_load(recorder, wav3s)
        stops = stopped_tones(recorder)
        sweep = frequency_sweep(recorder)
        thd997 = thd_n_at_997(recorder)
    finally:
        recorder.close()
    # Last: a graph that has run at another rate leaves running recorders off.
    at44k = graph_at_44k() if PIPEWIRE else []

    chain = "PipeWire's own stream" if PIPEWIRE else "ALSA/PulseAudio"
    print(f"1000 Hz for 300 ms, through {chain} into a 48 kHz null sink; {presses} presses of ours.")
    print()
    print("| player | tones | freq error (Hz) | length error (ms) | THD+N (dB) | click on / off / steady (dB) "
          "| level (dBFS) | latency median / min / max (ms) |")
    print("|---|---|---|---|---|---|---|---|")
    for name, results, latencies in rows:
        if not results:
            print(f"| {name} | 0 | | | | | | |")
            continue
        worst = lambda key: max(r[key] for r in results)  # noqa: E731
        mean = lambda key: float(np.mean([r[key] for r in results]))  # noqa: E731
        lat = np.array(latencies)
        length = max((r["len_err_ms"] for r in results), key=abs)
        print(f"| {name} | {len(results)} | {worst('freq_err'):.5f} | {length:+.3f} | {worst('thdn'):.1f} "
              f"| {worst('click_on'):.1f} / {worst('click_off'):.1f} / {mean('floor'):.1f} | {mean('level'):.2f} "
              f"| {np.median(lat):.1f} / {lat.min():.1f} / {lat.max():.1f} |")


    print()
    print("Frequency error of ours through the same chain, one second each: " +
          ", ".join(f"{f} Hz: {e:.5f}" for f, e in sweep))
    print("A tone closed one second in (3 each), request to its last frame at the recorder, and its offset click: " +
          "; ".join(f"{how}: {max(s):.0f} ms at most, click {max(c):.1f} dB" for how, (s, c) in stops.items() if s))
    print("Silence between queued tones: " + ", ".join(f"{g:.2f} ms" for g in gaps))
    print("3000 ms tones broken up while a screenshot of the desktop is taken (of 5): " +
          ", ".join(f"{name} {count}" for name, count in under_load.items()))
    if at44k:
        print("Graph and sink at 44.1 kHz, 300 ms tones: " + ", ".join(
            f"{f} Hz: {n} frames (13230 expected), peak {db:.2f} dBFS" for f, n, db in at44k))
    print("THD+N at 997 Hz, where neither sine lands on exactly representable float values: " +
          ", ".join(f"{name} {value:.1f} dB" for name, value in thd997.items()))


if __name__ == "__main__":
    main()
