# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
# Sourced by the desk's scripts.
wait_for() { # wait_for SECONDS COMMAND...: polls until COMMAND succeeds
    local deadline=$((SECONDS + $1)); shift
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || { echo "$(basename "$0"): timed out waiting for: $*" >&2; return 1; }
        sleep 0.05
    done
}
