#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
# wine-run.sh LOADER PROGRAM [ARG...]
# Runs a Windows program of the build under Wine's LOADER, as the tests run
# them: quietly, in the prefix WINEPREFIX (made first if it is not there), on
# DISPLAY, or on a private X server when there is no DISPLAY.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX names the prefix to run in}"
here=$(dirname "$0")
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
"$here/../tests/e2e/wine-prefix.sh" "$WINEPREFIX"
if [ -z "${DISPLAY:-}" ]; then
    . "$here/../tests/e2e/wait-for.sh"
    screen=$(mktemp -d "${TMPDIR:-/tmp}/vornaby-wine.XXXXXX")
    Xvfb -displayfd 5 -screen 0 1280x800x24 -nolisten tcp 5>"$screen/display" 2>/dev/null &
    xvfb=$!
    manager=
    trap 'kill $manager $xvfb 2>/dev/null; rm -rf "$screen"' EXIT
    wait_for 10 test -s "$screen/display"
    export DISPLAY=":$(head -n1 "$screen/display")"
    openbox --sm-disable >/dev/null 2>&1 &
    manager=$!
fi
"$@"
