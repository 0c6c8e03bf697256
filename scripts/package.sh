#!/usr/bin/env bash
# Builds the Debian package of Vellumark: a Release build with Debian's
# hardening flags, the data built from bibledit-data, then CPack. The build's
# output goes to standard error; the package's path is the one line printed on
# standard output.
set -euo pipefail
cd "$(dirname "$0")/.."
exec 3>&1 1>&2
source scripts/install-packages.sh
install_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"

build=build/package
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DVELLUMARK_BUILD_TESTS=OFF -DVELLUMARK_BUILD_BENCH=OFF -DVELLUMARK_INSTALL_DATA=ON \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/vellumark_*.deb
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/vellumark_*.deb)
echo "$(realpath "$deb")" >&3
