#!/usr/bin/env bash
# The developers' fast check: one sanitized build (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, warnings as errors) and the unit and GUI tests,
# without the package, the end-to-end runs, the fuzzers or the benchmarks.
# Incremental: after a one-file change it rebuilds and reruns in well under a
# minute. The test command CI runs is still ./tools/test.sh.
#   tools/check.sh [CTEST ARGUMENTS...]     e.g. tools/check.sh -R HistoryOut
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${TICKWRIGHT_TEST_PACKAGES[@]}"

if [ ! -f build/check/build.ninja ]; then
    cmake -S . -B build/check -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
        -DTICKWRIGHT_SANITIZE=ON -DTICKWRIGHT_WERROR=ON -DTICKWRIGHT_FUZZERS=OFF \
        -DTICKWRIGHT_BENCHMARKS=OFF >/dev/null
fi
cmake --build build/check -j "$(nproc)" --target core_tests gui_tests qt_backend_tests
ctest --test-dir build/check -j "$(nproc)" -E '^(e2e|fuzz)\.' --output-on-failure "$@"
