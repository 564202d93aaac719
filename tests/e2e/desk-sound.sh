#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
# desk-sound.sh start|stop
# Starts or stops the test desk's sound server, inside a desk that desk.sh has
# set up (its environment names the server, the stack and the sinks): by
# default PulseAudio with a 48 kHz null sink; with VORNABY_DESK_SOUND=pipewire,
# PipeWire, WirePlumber and pipewire-pulse with float null sinks at 48 and
# 44.1 kHz (and, with VORNABY_DESK_MIN_QUANTUM, a graph quantum of at least
# that many frames). Either way the 48 kHz sink is the default output. Tests stop and
# start it again to see a program live through its sound server's restart.
# The servers' process identifiers are listed, one "NAME PID" a line, in
# $XDG_RUNTIME_DIR/desk-sound.pids.
set -euo pipefail
pids="$XDG_RUNTIME_DIR/desk-sound.pids"
logs="$XDG_RUNTIME_DIR/logs"

. "$(dirname "$0")/wait-for.sh"

run() { # run NAME COMMAND...: starts a server in the background and lists it
    "${@:2}" >>"$logs/$1.log" 2>&1 &
    echo "$1 $!" >>"$pids"
}

stop() {
    [ -f "$pids" ] || return 0
    local list
    list=$(tac "$pids" | awk '{print $2}')
    for pid in $list; do kill "$pid" 2>/dev/null || true; done
    for pid in $list; do
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null || true
    done
    rm -f "$pids"
}

start() {
    mkdir -p "$logs"
    if [ "${VORNABY_DESK_SOUND:-pulseaudio}" = pipewire ]; then
        # Real-time scheduling for the graph and the recorder's server, as a
        # desktop gives it through rtkit: without it a busy machine makes the
        # graph miss whole cycles. The threads they start inherit it.
        rt=
        if chrt -f 20 true 2>/dev/null; then rt="chrt -f 20"; fi
        run pipewire $rt pipewire
        wait_for 10 pw-cli info 0
        # A desk without real-time scheduling drops whole cycles of a small
        # quantum when the machine is busy; tests that want a small one
        # force it (clock.force-quantum overrides this floor).
        if [ -n "${VORNABY_DESK_MIN_QUANTUM:-}" ]; then
            pw-metadata -n settings 0 clock.min-quantum "$VORNABY_DESK_MIN_QUANTUM" >/dev/null
        fi
        run wireplumber wireplumber
        run pipewire-pulse $rt pipewire-pulse
        for sink in "$VORNABY_DESK_SINK:48000" "$VORNABY_DESK_SINK_44K:44100"; do
            pw-cli create-node adapter "{ factory.name=support.null-audio-sink node.name=${sink%:*}
                media.class=Audio/Sink audio.format=F32 audio.rate=${sink#*:} audio.channels=1
                audio.position=[ MONO ] object.linger=true }" >/dev/null
        done
    else
        # A browser plays at the server's default rate, whatever its sink's:
        # the sink's rate (VORNABY_DESK_RATE, 48 kHz unless a test asks for
        # WebKit's 44.1), so that nothing is resampled.
        local rate=${VORNABY_DESK_RATE:-48000}
        mkdir -p "$XDG_CONFIG_HOME/pulse"
        echo "default-sample-rate = $rate" >"$XDG_CONFIG_HOME/pulse/daemon.conf"
        # Its null sink keeps real time only with rewinds off and a
        # low-latency reader attached (the recorder attaches one while it records).
        run pulseaudio pulseaudio --daemonize=no --exit-idle-time=-1 --disallow-exit=yes --use-pid-file=no \
            --disable-shm=no -n -F /dev/null \
            --load="module-native-protocol-unix" \
            --load="module-null-sink sink_name=$VORNABY_DESK_SINK rate=$rate format=float32le channels=1 channel_map=mono norewinds=1"
    fi
    wait_for 15 pactl info
    wait_for 10 pactl set-default-sink "$VORNABY_DESK_SINK"
}

case "${1:-}" in
start) start ;;
stop) stop ;;
*) echo "usage: desk-sound.sh start|stop" >&2; exit 2 ;;
esac
