#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
# with-display.sh COMMAND [ARG...]
# Runs COMMAND on DISPLAY, or, when there is none, on a private X server with
# a window manager, which goes when COMMAND ends.
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
    . "$(dirname "$0")/../e2e/wait-for.sh"
    screen=$(mktemp -d "${TMPDIR:-/tmp}/vornaby-display.XXXXXX")
    Xvfb -displayfd 5 -screen 0 1280x800x24 -nolisten tcp 5>"$screen/display" 2>/dev/null &
    xvfb=$!
    manager=
    trap 'kill $manager $xvfb 2>/dev/null; rm -rf "$screen"' EXIT
    wait_for 10 test -s "$screen/display"
    export DISPLAY=":$(head -n1 "$screen/display")"
    # A sound client's runtime files too, where no session has a folder for them.
    if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
        export XDG_RUNTIME_DIR="$screen/run"
        mkdir -m 700 "$XDG_RUNTIME_DIR"
    fi
    # The window manager keeps its log in its own home, not the user's.
    HOME="$screen" XDG_CACHE_HOME="$screen/cache" openbox --sm-disable >/dev/null 2>&1 &
    manager=$!
fi
"$@"
