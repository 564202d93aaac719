#!/usr/bin/env bash
# check_package.sh BUILD_DIR: the Debian package builds and lintian finds no error in it.
set -euo pipefail
cd "$1"
rm -f vornaby_*.deb
cpack -G DEB >/dev/null
deb=$(ls vornaby_*.deb)
lintian --fail-on error "$deb"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6
echo "check_package: 2 passed, 0 failed"
