#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
# check_package.sh BUILD_DIR: the Debian package that "make package" left in
# BUILD_DIR is there, and lintian finds no error in it.
set -euo pipefail
cd "$1"
deb=$(ls vornaby_*.deb)
lintian --fail-on error "$deb"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6
echo "check_package: 2 passed, 0 failed"
