#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite headless:
# once optimised, once under AddressSanitizer and UndefinedBehaviorSanitizer
# (every unit test and one whole game in a real window).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh --test

# The same run wherever it is started: nothing of the caller's display or
# session bus reaches the tests (a display that is gone makes D-Bus look for
# a bus through it); the checks that need a display or a bus start their own.
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
# Nor does the caller's language: a desktop in one of the further languages
# would add its answer to the language question. The checks that need a
# language set their own.
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime"
export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=dummy
export XDG_RUNTIME_DIR="$scratch/runtime"
export XDG_CONFIG_HOME="$scratch/config"
export XDG_DATA_HOME="$scratch/data"

run_suite() {
  local dir=$1; shift
  local started=$SECONDS
  cmake -S . -B "$dir" -G Ninja -DTRIVOLO_WERROR=ON "$@" >/dev/null
  cmake --build "$dir"
  local built=$SECONDS
  ctest --test-dir "$dir" --output-on-failure -j2
  echo "$dir: built in $((built - started)) s, tested in $((SECONDS - built)) s"
}

run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DTRIVOLO_SANITIZE=ON -DTRIVOLO_BENCH=OFF
