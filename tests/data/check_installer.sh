#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
# check_installer.sh SETUP.EXE: under Wine, in the prefix WINEPREFIX on
# DISPLAY, a silent install puts the program, its Start-menu entry and its
# uninstall entry in place, the installed program starts and closes without
# writing to the user's registry, and a silent uninstall takes away all of
# it, leaving the prefix's files and the user's home as it found them.
set -euo pipefail
setup=$1
here=$(dirname "$0")
wine=/usr/lib/wine/wine64
user=$(ls "$WINEPREFIX/drive_c/users" | grep -vx Public)
home="$WINEPREFIX/drive_c/users/$user"
installed="$home/AppData/Local/Programs/Vornaby"
shortcut="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Vornaby.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vornaby'
failures=0
fail() { echo "check_installer: $*"; failures=$((failures + 1)); }
files() { (cd "$WINEPREFIX/drive_c" && find . -path ./windows -prune -o -path '*/Temp' -prune -o -print | sort); }
settle() { /usr/lib/wine/wineserver64 -w; }

# Nothing of it reaches the real user's home (Wine's menu builder, which
# would copy the Start-menu entry into the desktop's own menu, is off).
started=$(mktemp)
trap 'rm -f "$started"' EXIT
# A new home has neither folder yet: what appears there, the folder itself
# included, is newer than the start.
home_files() {
  local folder
  for folder in "$HOME/.local/share/applications" "$HOME/.config/menus"; do
    [ ! -e "$folder" ] || find "$folder" -newer "$started"
  done | sort
}
home_before=$(home_files)
before=$(files)
"$wine" "$setup" /S
settle
for f in "$installed/Vornaby.exe" "$installed/Uninstall.exe" "$shortcut"; do
  [ -f "$f" ] || fail "not installed: ${f#"$WINEPREFIX/"}"
done
entry=$("$wine" reg query "$key" 2>/dev/null | tr -d '\r')
for value in DisplayName DisplayVersion Publisher DisplayIcon UninstallString QuietUninstallString EstimatedSize; do
  grep -q "^ *$value " <<<"$entry" || fail "the uninstall entry has no $value"
done
grep -q "DisplayVersion *REG_SZ *1.0.0.1" <<<"$entry" || fail "the uninstall entry's version is not 1.0.0.1"

# The installed program opens its window, closes when the desktop asks, and writes no
# registry value of the user's (the machine's part changes with every start
# of Wine's own desktop).
user_keys() {
  "$wine" reg export HKCU "$WINEPREFIX/user-keys.reg" /y >/dev/null 2>&1
  settle
  iconv -f UTF-16 -t UTF-8 "$WINEPREFIX/user-keys.reg"
}
keys_before=$(user_keys)
grep -q '^\[HKEY_CURRENT_USER' <<<"$keys_before" || fail "the user's registry could not be read"
"$wine" "$installed/Vornaby.exe" &
program=$!
. "$here/../e2e/wait-for.sh"
if wait_for 30 xdotool search --onlyvisible --name '^Vornaby$'; then
  wmctrl -i -c "$(xdotool search --onlyvisible --name '^Vornaby$' | head -n1)"
  wait_for 10 bash -c "! kill -0 $program" || fail "the installed program did not end when closed"
else
  fail "the installed program shows no window"
fi
kill $program 2>/dev/null || true
settle
[ "$keys_before" = "$(user_keys)" ] || fail "a run of the program changed the user's registry"
rm -f "$WINEPREFIX/user-keys.reg"

"$wine" "$installed/Uninstall.exe" /S
settle
after=$(files)
[ "$home_before" = "$(home_files)" ] || fail "the user's home changed: $(home_files | head -3 | tr '\n' ' ')"
[ "$before" = "$after" ] || fail "the uninstall left the prefix changed: $(diff <(echo "$before") <(echo "$after") | grep '^[<>]' | head -5 | tr '\n' ' ')"
"$wine" reg query "$key" >/dev/null 2>&1 && fail "the uninstall entry is still there"
echo "check_installer: $([ $failures -eq 0 ] && echo passed || echo "$failures failed")"
[ $failures -eq 0 ]
