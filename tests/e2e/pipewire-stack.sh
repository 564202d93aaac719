#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
# pipewire-stack.sh DIR
# Unpacks Debian's PipeWire, WirePlumber, pipewire-pulse and PipeWire's ALSA
# plugin into DIR, once, for a private test desk. Nothing is installed: on
# Debian 12 PipeWire's ALSA plugin conflicts with PulseAudio, and the machine's
# own sound set-up is left as it is.
set -euo pipefail
dir=$1
[ -x "$dir/usr/bin/pipewire" ] && [ -x "$dir/usr/bin/wireplumber" ] && exit 0
packages=(pipewire pipewire-bin libpipewire-0.3-modules wireplumber libwireplumber-0.4-0 pipewire-pulse pipewire-alsa)
download=$(mktemp -d)
trap 'rm -rf "$download"' EXIT
chmod 777 "$download" # apt's download user writes here
(cd "$download" && apt-get download -q "${packages[@]}" >/dev/null)
mkdir -p "$dir"
for deb in "$download"/*.deb; do dpkg -x "$deb" "$dir"; done
