#!/usr/bin/env bash
# Builds Vellumark in Release, builds its data from Debian's bibledit-data when
# it is missing, and starts the window.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-packages.sh
install_packages "${BUILD_PACKAGES[@]}"

cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"
bin=build/release/bin
if [ ! -f "$bin/Data/LineData.dat" ] || [ ! -f "$bin/Data/WordMatrix.dat" ] ||
   [ ! -f "$bin/Data/Hebrew.txt" ] || [ ! -f "$bin/Data/EnglishOT.html" ]; then
    "$bin/vellumark-data"
fi
exec "$bin/vellumark"
