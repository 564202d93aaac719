# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
"""Drives the real program on the test desk the way a person does, and hears
what it plays.

Controls are found as assistive technology finds them (AT-SPI, by role and
accessible name); input is real X input through xdotool. Sound is recorded
from the desk's null sink and cut into tones by analysis.
"""
import os
import shutil
import subprocess
import tempfile
import time
import unittest

import numpy as np
import pyatspi

# The desk's sink and its server's default rate (desk-sound.sh).
RATE = int(os.environ.get("VORNABY_DESK_RATE", "48000"))
_BUILD = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "build")
BINARY = os.environ.get("VORNABY_BINARY", os.path.join(_BUILD, "vornaby"))
EVIDENCE = os.environ.get("VORNABY_EVIDENCE_DIR", os.path.join(_BUILD, "e2e-evidence"))


def until(condition, timeout=5.0, what="condition"):
    """Polls condition until it returns something true; returns that."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.02)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True).stdout.strip()


def windows_of(pid):
    """The top-level accessible windows of the process pid, as AT-SPI lists them."""
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is None or app.get_process_id() != pid:
                continue
            yield from (window for window in app if window is not None)
        except Exception:  # an application that went away while we looked
            continue


def move_pointer(x, y):
    """Moves the pointer and waits until it is there. (xdotool's --sync waits
    15 s for a move that is not needed, so none is made then.)"""
    here = dict(line.split("=") for line in xdotool("getmouselocation", "--shell").splitlines())
    if (int(here["X"]), int(here["Y"])) != (x, y):
        xdotool("mousemove", "--sync", str(x), str(y))


def desk_sound(action):
    """Stops or starts the desk's own sound server (desk-sound.sh)."""
    subprocess.run([os.environ["VORNABY_DESK_SOUND_SCRIPT"], action], check=True, timeout=60)


def desk_sound_pid(name):
    """The process of one of the desk's sound servers, by its name."""
    with open(os.path.join(os.environ["XDG_RUNTIME_DIR"], "desk-sound.pids")) as pids:
        return next(int(pid) for server, pid in (line.split() for line in pids) if server == name)


def screenshot(path):
    subprocess.run(["import", "-window", "root", path], check=True, capture_output=True)


class App:
    """One running copy of the program."""

    def __init__(self, args=(), env=None):
        self.process = subprocess.Popen([BINARY, *args], env=env, stdout=subprocess.PIPE,
                                        stderr=subprocess.STDOUT)
        self.dialog = until(lambda: self._find_dialog("Vornaby"), 10, "the main window")
        self.window = until(self._find_window, 5, "the X window")

    def _find_dialog(self, name):
        for window in windows_of(self.process.pid):
            if window.name == name and window.getState().contains(pyatspi.STATE_SHOWING):
                return window
        return None

    def _find_window(self):
        try:
            ids = xdotool("search", "--all", "--onlyvisible", "--pid", str(self.process.pid), "--name", "^Vornaby$")
        except subprocess.CalledProcessError:
            return None
        return ids.split()[0] if ids else None

    def modal(self, name, timeout=5.0):
        """A dialog of this program other than the main window, by its title,
        once it has the keyboard: the toolkit shows a window before the window
        manager gives it the focus, and a key typed in between goes to the
        window below, which the dialog blocks."""
        def active():
            dialog = self._find_dialog(name)
            return dialog if dialog is not None and dialog.getState().contains(pyatspi.STATE_ACTIVE) else None
        return until(active, timeout, f"the window {name!r}, active")

    def control(self, role, name=None, within=None):
        def matches(a):
            return a.getRole() == role and (name is None or a.name == name)
        found = pyatspi.findDescendant(within or self.dialog, matches)
        if found is None:
            raise AssertionError(f"no {role} named {name!r}")
        return found

    def button(self, name, within=None):
        return self.control(pyatspi.ROLE_PUSH_BUTTON, name, within)

    def edit(self, name):
        return self.control(pyatspi.ROLE_TEXT, name)

    def combo(self):
        return self.control(pyatspi.ROLE_COMBO_BOX)

    def click(self, accessible, button=1):
        x, y, w, h = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        move_pointer(x + w // 2, y + h // 2)
        xdotool("click", str(button))

    def key(self, *keys):
        xdotool("key", "--clearmodifiers", *keys)

    def type_into(self, accessible, text):
        """Clicks into a field, selects what is there and types over it."""
        self.click(accessible)
        self.key("ctrl+a")
        if text:
            xdotool("type", "--delay", "10", text)
        else:
            self.key("BackSpace")

    @staticmethod
    def text(accessible):
        return accessible.queryText().getText(0, -1)

    def advanced(self, duration_ms):
        """Ticks "Advanced  Mode" and types a duration, ready to play it."""
        self.click(self.control(pyatspi.ROLE_CHECK_BOX, "Advanced  Mode"))
        self.type_into(self.edit("time(ms)"), str(duration_ms))

    def combo_text(self):
        combo = self.combo()
        field = pyatspi.findDescendant(combo, lambda a: a.getRole() == pyatspi.ROLE_TEXT)
        return self.text(field)

    @staticmethod
    def state(accessible, state):
        return accessible.getState().contains(state)

    def focused(self):
        return pyatspi.findDescendant(self.dialog, lambda a: a.getState().contains(pyatspi.STATE_FOCUSED))

    def wait_exit(self, timeout=5.0):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError("the program did not end")

    def running(self):
        return self.process.poll() is None

    def output(self):
        """What the program has said on standard output and error; ends it."""
        self.close()
        return self._output

    def close(self):
        if self.running():
            self.process.kill()
            self.process.wait()
        if not self.process.stdout.closed:
            self._output = self.process.stdout.read().decode(errors="replace")
            self.process.stdout.close()


WINDOWS_BINARY = os.environ.get("VORNABY_WINDOWS_BINARY", "")
WINE_PREFIX = os.environ.get("VORNABY_WINE_PREFIX", "")


def windows_named(name):
    """The visible X windows with exactly this title."""
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{name}$"],
                          capture_output=True, text=True).stdout.split()


class WindowsProgram:
    """One running copy of the Windows program under Wine, driven by the
    keyboard (Wine's windows are not on the accessibility bus)."""

    WINE = "/usr/lib/wine/wine64"
    ENV = dict(os.environ, WINEPREFIX=WINE_PREFIX, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")

    @staticmethod
    def make_prefix():
        subprocess.run([os.path.join(os.path.dirname(os.path.abspath(__file__)), "wine-prefix.sh"), WINE_PREFIX],
                       check=True, timeout=180)

    def __init__(self):
        self.process = subprocess.Popen([self.WINE, WINDOWS_BINARY], env=self.ENV,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.window = until(lambda: windows_named("Vornaby"), 30, "the Windows program's window")[0]
        xdotool("windowactivate", "--sync", self.window)
        # Keys go where the X focus is, and Wine takes a moment after it to
        # put the window's own focus on its first control.
        until(lambda: xdotool("getwindowfocus") == self.window, 10, "the window to have the focus")
        time.sleep(0.5)

    def keys(self, *keys):
        xdotool("key", "--clearmodifiers", "--delay", "30", *keys)

    def type(self, text):
        xdotool("type", "--delay", "30", text)

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        subprocess.run(["/usr/lib/wine/wineserver64", "-k"], env=self.ENV)


class Tone:
    def __init__(self, start, frames):
        self.start = start
        self.frames = frames

    @property
    def start_ms(self):
        return self.start * 1000.0 / RATE

    @property
    def length(self):
        return len(self.frames)

    @property
    def length_ms(self):
        return len(self.frames) * 1000.0 / RATE

    @property
    def peak(self):
        return float(np.max(np.abs(self.frames)))

    @property
    def frequency(self):
        return frequency_of(self.frames)

    def __repr__(self):
        return f"Tone(at {self.start_ms:.1f} ms, {self.length_ms:.2f} ms, {self.frequency:.3f} Hz)"


def _phase_at(x, centre, half, f):
    n = np.arange(centre - half, centre + half)
    window = np.hanning(2 * half)
    return np.angle(np.sum(window * x[n] * np.exp(-2j * np.pi * f * n / RATE)))


def frequency_of(x):
    """Frequency of a recorded tone: a first estimate from rising zero
    crossings, refined by the phase drift between the plateau's two ends."""
    x = np.asarray(x, dtype=np.float64)
    rising = np.flatnonzero((x[:-1] < 0) & (x[1:] >= 0))
    if len(rising) < 2:
        return 0.0
    t = rising + x[rising] / (x[rising] - x[rising + 1])
    estimate = (len(t) - 1) * RATE / (t[-1] - t[0])
    half = min(512, len(x) // 8)
    if half < 16:
        return estimate
    a, b = len(x) // 4, len(x) - len(x) // 4
    drift = np.angle(np.exp(1j * (_phase_at(x, b, half, estimate) - _phase_at(x, a, half, estimate))))
    return estimate + drift * RATE / (2 * np.pi * (b - a))


def split_tones(x, gap_ms=1.0):
    """Cuts a recording into tones: runs of sound separated by at least
    gap_ms of exact silence (the sink is float, so silence is exactly 0, and
    no frame of a tone is)."""
    sound = np.flatnonzero(x != 0.0)
    if len(sound) == 0:
        return []
    breaks = np.flatnonzero(np.diff(sound) > gap_ms * RATE / 1000)
    starts = np.r_[sound[0], sound[breaks + 1]]
    ends = np.r_[sound[breaks], sound[-1]] + 1
    return [Tone(s, x[s:e]) for s, e in zip(starts, ends)]


class Recorder:
    """Records the desk's null sink from its monitor while in use."""

    def __init__(self, server=None, sink=None, rate=RATE):
        self.server = server
        self.sink = sink or os.environ["VORNABY_DESK_SINK"]
        self.rate = rate
        self.directory = tempfile.mkdtemp(prefix="vornaby-rec-")
        self.path = os.path.join(self.directory, "sink.f32")
        self.samples = None

    def __enter__(self):
        if os.environ.get("VORNABY_DESK_SOUND") == "pipewire" and not self.server:
            # PipeWire's own recorder, from the sink's monitor, raw to its output.
            with open(self.path, "wb") as out:
                self.process = subprocess.Popen(
                    ["pw-record", "--target", self.sink, "-P", "{ stream.capture.sink=true }", "--format=f32",
                     f"--rate={self.rate}", "--channels=1", "--latency=5ms", "-"], stdout=out)
        else:
            server = [f"--server={self.server}"] if self.server else []
            self.process = subprocess.Popen(
                ["parec", *server, "--latency-msec=5", "-d", f"{self.sink}.monitor", "--format=float32le",
                 f"--rate={RATE}", "--channels=1", "--raw", self.path])
        until(lambda: os.path.exists(self.path) and os.path.getsize(self.path) > 4800, 5, "the recorder")
        return self

    def __exit__(self, *exc):
        self.stop()

    def stop(self):
        if self.samples is None:
            time.sleep(0.1)  # let the last frames through the server
            self.process.terminate()
            self.process.wait()
            self.samples = np.fromfile(self.path, dtype="<f4")
        return self.samples

    def frames_so_far(self):
        """Frames recorded until now: a moment on the recording's own clock."""
        return os.path.getsize(self.path) // 4

    def await_sound(self, frames, timeout=5.0):
        """Waits until this many sounding frames have been recorded, then a
        moment more for anything that follows them."""
        until(lambda: sounding_frames(np.fromfile(self.path, dtype="<f4")) >= frames, timeout,
              f"{frames} sounding frames")
        time.sleep(0.2)

    def tones(self):
        return split_tones(self.stop())

    def keep(self, name):
        os.makedirs(EVIDENCE, exist_ok=True)
        if os.path.exists(self.path):
            shutil.copy(self.path, os.path.join(EVIDENCE, f"{name}.f32"))

    def cleanup(self):
        shutil.rmtree(self.directory, ignore_errors=True)


def sounding_frames(frames):
    """The frames of sound: every non-zero frame, and the single zeros a sine
    lands on exactly (1000 Hz at 44.1 kHz every 441 frames) between them."""
    where = np.flatnonzero(frames)
    steps = np.diff(where)
    return int(len(where) + np.sum(steps[(steps > 1) & (steps <= 3)] - 1))


class PrivateSoundServer:
    """A PulseAudio of its own, with a null sink, for a test that kills it."""

    SINK = "vornaby_private"

    def __init__(self):
        self.runtime = tempfile.mkdtemp(prefix="vornaby-pulse-")
        self.socket = os.path.join(self.runtime, "pulse", "native")
        self.address = f"unix:{self.socket}"
        self.process = None

    def start(self):
        # Off the session bus, where the desk's own server holds the name.
        env = dict(os.environ, XDG_RUNTIME_DIR=self.runtime, DBUS_SESSION_BUS_ADDRESS="unix:path=/nonexistent")
        self.process = subprocess.Popen(
            ["pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "-n", "-F", "/dev/null",
             "--load=module-native-protocol-unix auth-anonymous=1",
             f"--load=module-null-sink sink_name={self.SINK} rate=48000 format=float32le channels=1 "
             "channel_map=mono norewinds=1",
             "--load=module-always-sink"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        until(lambda: subprocess.run(["pactl", f"--server={self.address}", "info"],
                                     capture_output=True).returncode == 0, 10, "the private sound server")
        subprocess.run(["pactl", f"--server={self.address}", "set-default-sink", self.SINK], check=True)

    def kill(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    def cleanup(self):
        self.kill()
        shutil.rmtree(self.runtime, ignore_errors=True)


class DeskTest(unittest.TestCase):
    """A test on the desk: the copies of the program it starts, the recorders
    and whatever else it registers are cleaned up after it, and a failing test
    leaves a screenshot and its recordings in EVIDENCE."""
    def setUp(self):
        self.apps = []
        self.recorders = []
        self.cleanups = []

    def tearDown(self):
        failed = any(test is self for test, _ in self._outcome.result.failures + self._outcome.result.errors)
        name = self.id().split(".")[-1]
        if failed:
            os.makedirs(EVIDENCE, exist_ok=True)
            screenshot(os.path.join(EVIDENCE, f"{name}.png"))
            for i, recorder in enumerate(self.recorders):
                recorder.keep(f"{name}-{i}")
        for app in self.apps:
            app.close()
        for recorder in self.recorders:
            recorder.stop()
            recorder.cleanup()
        for cleanup in reversed(self.cleanups):
            cleanup()

    def start(self, args=(), env=None):
        app = App(args, env)
        self.apps.append(app)
        return app

    def record(self, server=None, sink=None, rate=RATE):
        recorder = Recorder(server, sink, rate)
        self.recorders.append(recorder)
        return recorder

    def play_once(self, app, hz=1000, ms=300):
        """Presses play, listens, and expects exactly that one tone."""
        with self.record() as recorder:
            app.click(app.button("play"))
            time.sleep(ms / 1000 + 0.3)
        tones = recorder.tones()
        self.assertEqual(len(tones), 1, tones)
        self.assertTone(tones[0], hz, ms)
        return tones[0]

    def assertWholeTones(self, tones, lengths):
        """The recording holds exactly these tones, in order, each whole. Tones
        played back to back may follow with less than the splitting silence
        between them, so a run of sound may hold several; its sounding frames
        (no frame of a tone is exactly 0) are then the sum of theirs."""
        expected = list(lengths)
        for tone in tones:
            sounding = sounding_frames(tone.frames)
            held = 0
            while expected and held < sounding:
                held += expected.pop(0)
            self.assertEqual(held, sounding, f"{tone} is not made of whole tones; heard {tones}")
        self.assertEqual(expected, [], f"tones missing; heard {tones}")

    def assertEveryFrame(self, tones, frames, head_loss=0):
        """Every frame of one tone arrived, in one run of sound or, where the
        player's own stream into PulseAudio (Wine's, a browser's) put a gap in
        it on a busy machine, in several; each run at the tone's frequency.
        A player that drops the first frames of a sound may lose head_loss."""
        heard = sum(sounding_frames(t.frames) for t in tones)
        self.assertLessEqual(heard, frames, tones)
        self.assertGreaterEqual(heard, frames - head_loss, tones)

    def assertTone(self, tone, hz, ms):
        self.assertAlmostEqual(tone.length_ms, ms, delta=2.0, msg=repr(tone))
        self.assertAlmostEqual(tone.frequency, hz, delta=0.1, msg=repr(tone))
        self.assertAlmostEqual(tone.peak, 0.5, delta=0.01, msg=repr(tone))
