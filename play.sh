#!/usr/bin/env bash
# Installs what is missing, builds Trivolo (the game alone, in a build folder
# of its own) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build-play -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRIVOLO_TESTS=OFF -DTRIVOLO_BENCH=OFF >/dev/null
cmake --build build-play --target trivolo
exec build-play/app/trivolo "$@"
