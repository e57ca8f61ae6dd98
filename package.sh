#!/usr/bin/env bash
# Installs what is missing and builds the Debian package of Trivolo in
# build-deb/ (trivolo_<version>_amd64.deb); install it with
#   sudo apt install ./build-deb/trivolo_*_amd64.deb
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh --package
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRIVOLO_TESTS=OFF -DTRIVOLO_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-D_FORTIFY_SOURCE=2 -fstack-protector-strong" >/dev/null
cmake --build build-deb --target trivolo
(cd build-deb && cpack -G DEB >/dev/null)
ls "$PWD"/build-deb/trivolo_*_amd64.deb
