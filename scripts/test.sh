#!/usr/bin/env bash
# Builds Vellumark with its tests (warnings are errors) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-packages.sh
install_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

cmake --preset testing >/dev/null
cmake --build --preset testing -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --preset testing
