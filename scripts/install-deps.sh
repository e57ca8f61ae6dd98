#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing need.
# Quiet when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-qpa-plugins
  libsdl2-mixer-dev timgm6mb-soundfont
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2
  xvfb xdotool imagemagick x11-utils openbox libxcb1-dev
  weston qt6-wayland
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
