#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
# wine-prefix.sh PREFIX
# Makes a Wine prefix for the Windows program's tests, once: quietly, without
# the Mono and Gecko prompts, its audio pinned to Wine's PulseAudio driver so
# that tones reach the desk's sound server; with VORNABY_WINE_DPI, its screen
# at that many dots per inch (144: 150 %) instead of 96.
set -euo pipefail
prefix=$1
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=/usr/lib/wine/wine64
# A prefix made before 32-bit Wine came cannot run 64-bit programs after
# it: the mark says which Wine made the prefix (and at what DPI), and another
# Wine makes it anew.
made_by=$(dpkg-query -W -f='${Package}:${Architecture} ${Version}\n' wine64 wine32:i386 2>/dev/null || true)
dpi=${VORNABY_WINE_DPI:-96}
made_by+=" dpi $dpi"
[ -f "$prefix/.vornaby-ready" ] && [ "$(cat "$prefix/.vornaby-ready")" = "$made_by" ] && exit 0
rm -rf "$prefix"
"$wine" wineboot -i >/dev/null 2>&1
"$wine" reg add 'HKCU\Software\Wine\Drivers' /v Audio /d pulse /f >/dev/null 2>&1
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
/usr/lib/wine/wineserver64 -w
printf '%s\n' "$made_by" > "$prefix/.vornaby-ready"
