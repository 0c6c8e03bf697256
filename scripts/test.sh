#!/usr/bin/env bash
# Checks the formatting, builds Vellumark with its tests (warnings are errors)
# and runs every test, then builds and runs them again under AddressSanitizer
# and UndefinedBehaviorSanitizer, runs the fuzzers over their seeds, and
# builds and checks the Debian package.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-packages.sh
install_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

if ! git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror; then
    echo "Formatting differs from .clang-format: run clang-format -i on the files above." >&2
    exit 1
fi

cmake --preset testing >/dev/null
cmake --build --preset testing -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --preset testing

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j"$(nproc)"
ctest --preset sanitize

# The fuzzers build, and each runs its seeds (slices of the real data) once.
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"
fuzz/make-corpus.sh build/fuzz build/testing/realdata/Data
for fuzzer in build/fuzz/bin/fuzz_*; do
    corpus="build/fuzz/fuzz-corpus/${fuzzer##*/fuzz_}"
    "$fuzzer" -runs=0 "$corpus" >"build/fuzz/${fuzzer##*/}.log" 2>&1 ||
        { cat "build/fuzz/${fuzzer##*/}.log"; exit 1; }
done
echo "Fuzz seeds: every target ran its corpus without a finding."

scripts/check-package.sh
