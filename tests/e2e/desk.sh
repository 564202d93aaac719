#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
# desk.sh COMMAND [ARG...]
# Runs COMMAND on a private test desk and tears the desk down afterwards, also
# when COMMAND fails or the run is interrupted: an X server on a free display, a
# window manager, a D-Bus session bus (which starts the accessibility bus on
# demand), and PulseAudio with a 48 kHz null sink as the default output
# (desk-sound.sh), so that ALSA's "default" device reaches it through the
# PulseAudio ALSA plugin.
# Everything lives in a private directory; two desks on one machine never meet.
# COMMAND sees DISPLAY, DBUS_SESSION_BUS_ADDRESS, XDG_RUNTIME_DIR, HOME and
# VORNABY_DESK_SINK (the null sink's name) in its environment, and
# VORNABY_DESK_SOUND_SCRIPT, which stops and starts the sound server again.
#
# With VORNABY_DESK_SOUND=pipewire the sound server is PipeWire instead, with
# WirePlumber and pipewire-pulse, unpacked into VORNABY_PIPEWIRE_STACK by
# pipewire-stack.sh, and ALSA's "default" device reaches it through PipeWire's
# own ALSA plugin.
set -euo pipefail

desk=$(mktemp -d "${TMPDIR:-/tmp}/vornaby-desk.XXXXXX")
pids=()
cleanup() {
    local status=$?
    [ -z "${sound:-}" ] || "$sound" stop || true
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null || true
    done
    rm -rf "$desk"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

export HOME="$desk/home" XDG_RUNTIME_DIR="$desk/run"
# English unless a test asks for another language.
export LANG=C.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"

. "$(dirname "$0")/wait-for.sh"

# X server: it picks a free display and tells us which.
Xvfb -displayfd 5 -screen 0 1280x800x24 -nolisten tcp -noreset 5>"$desk/display" 2>"$desk/xvfb.log" &
pids+=($!)
wait_for 10 test -s "$desk/display"
export DISPLAY=":$(head -n1 "$desk/display")"

# Session bus; AT-SPI's bus and registry are activated through it when asked for.
dbus-daemon --session --nofork --nopidfile --print-address=6 --address="unix:path=$XDG_RUNTIME_DIR/bus" \
    6>"$desk/bus" 2>"$desk/dbus.log" &
pids+=($!)
wait_for 10 test -s "$desk/bus"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"

# The accessibility bus, as a desktop session starts it: Qt looks for it on the
# session bus at start-up but does not ask D-Bus to start it.
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$desk/atspi.log" 2>&1 &
pids+=($!)
wait_for 10 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress

# The window manager as it comes, but for Alt+Space, which it would keep for
# a menu of its own: a program's window menu answers it.
sed '/<keybind key="A-space">/,/<\/keybind>/d' /etc/xdg/openbox/rc.xml >"$desk/openbox-rc.xml"
openbox --sm-disable --config-file "$desk/openbox-rc.xml" >"$desk/openbox.log" 2>&1 &
pids+=($!)

export VORNABY_DESK_SINK=vornaby_desk
if [ "${VORNABY_DESK_SOUND:-pulseaudio}" = pipewire ]; then
    stack=${VORNABY_PIPEWIRE_STACK:?VORNABY_PIPEWIRE_STACK names the unpacked stack}
    "$(dirname "$0")/pipewire-stack.sh" "$stack"
    lib="$stack/usr/lib/x86_64-linux-gnu"
    export PATH="$stack/usr/bin:$PATH" LD_LIBRARY_PATH="$lib${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
    export PIPEWIRE_MODULE_DIR="$lib/pipewire-0.3" PIPEWIRE_CONFIG_DIR="$stack/usr/share/pipewire"
    export WIREPLUMBER_MODULE_DIR="$lib/wireplumber-0.4" WIREPLUMBER_CONFIG_DIR="$stack/usr/share/wireplumber"
    export WIREPLUMBER_DATA_DIR="$stack/usr/share/wireplumber"
    # A float sink at 48 kHz, and one at 44.1 kHz for a graph that runs at that rate.
    export VORNABY_DESK_SINK_44K=vornaby_desk_44k
    # ALSA's "default" device through PipeWire's ALSA plugin, from the stack;
    # the desk's own HOME is read after the system's configuration.
    cat >"$HOME/.asoundrc" <<CONF
pcm_type.pipewire { lib "$lib/alsa-lib/libasound_module_pcm_pipewire.so" }
ctl_type.pipewire { lib "$lib/alsa-lib/libasound_module_ctl_pipewire.so" }
pcm.!default { type pipewire playback_node "-1" capture_node "-1" }
ctl.!default { type pipewire }
CONF
fi
sound="$(cd "$(dirname "$0")" && pwd)/desk-sound.sh"
export VORNABY_DESK_SOUND_SCRIPT="$sound"
"$sound" start
wait_for 10 xprop -root _NET_SUPPORTING_WM_CHECK

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
"$@"
