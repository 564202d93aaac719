#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
# check_install.sh BUILD_DIR SOURCE_DIR
# The desktop entry and AppStream metadata validate; an install into any prefix
# lays out binary, menu entry, metadata and every icon size; and the program,
# given no desktop at all, says so and fails instead of crashing.
set -euo pipefail
build=$1 source=$2
desktop-file-validate "$source/data/vornaby.desktop"
appstreamcli validate --no-net --pedantic "$source/data/org.vornaby.Vornaby.metainfo.xml"

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
expected="bin/vornaby
share/applications/vornaby.desktop
share/doc/vornaby/changelog.gz
share/doc/vornaby/copyright
share/icons/hicolor/128x128/apps/vornaby.png
share/icons/hicolor/16x16/apps/vornaby.png
share/icons/hicolor/256x256/apps/vornaby.png
share/icons/hicolor/32x32/apps/vornaby.png
share/icons/hicolor/48x48/apps/vornaby.png
share/icons/hicolor/64x64/apps/vornaby.png
share/icons/hicolor/scalable/apps/vornaby.svg
share/man/man1/vornaby.1.gz
$(for lang in ar de es fr he it ja ko pl pt_BR ru tr uk zh_CN; do echo "share/man/$lang/man1/vornaby.1.gz"; done)
share/metainfo/org.vornaby.Vornaby.metainfo.xml"
expected=$(LC_ALL=C sort <<<"$expected")
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
    diff <(echo "$expected") <(echo "$actual") || true
    echo "check_install: installed files differ" >&2
    exit 1
fi

set +e
message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/vornaby" 2>&1)
status=$?
set -e
[ "$status" -eq 1 ] || { echo "check_install: exit status $status without a desktop" >&2; exit 1; }
grep -q "no graphical desktop" <<<"$message" || { echo "check_install: said: $message" >&2; exit 1; }
echo "check_install: 4 passed, 0 failed"
