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
exec "$here/../tests/support/with-display.sh" "$@"
