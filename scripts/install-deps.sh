#!/usr/bin/env bash
# Installs the Debian packages that building and playing need; with
# --package also those that building the Debian package needs, and with
# --test those and what the tests and benchmarks need. Quiet when
# everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-wayland
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
  fonts-liberation2 fonts-dejavu-core
)
if [ "${1:-}" = --package ] || [ "${1:-}" = --test ]; then
  packages+=(dpkg-dev file)
fi
if [ "${1:-}" = --test ]; then
  packages+=(
    desktop-file-utils appstream lintian
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xdotool imagemagick x11-utils x11-xserver-utils openbox libxcb1-dev
    weston fluidsynth python3-numpy
    at-spi2-core python3-pyatspi dbus-daemon dbus-x11
  )
fi

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
