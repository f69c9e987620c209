#!/usr/bin/env bash
# Sets up a Debian 12 or 13 machine for Tickwright (installing only what is missing),
# builds it, and runs every test: unit and GUI tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, each fuzz target for a bounded time, the Debian
# package through lintian and a run of its program, and the benchmarks once in
# a Release build so their figures are printed; then the Windows program,
# cross-built, packaged and (on amd64) tested under Wine by tools/windows.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${TICKWRIGHT_TEST_PACKAGES[@]}"

jobs=$(nproc)

echo "== Release build and benchmarks (g++)"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=g++ \
    -DTICKWRIGHT_TESTS=OFF -DTICKWRIGHT_BENCHMARKS=ON -DTICKWRIGHT_WERROR=ON
cmake --build build/release -j "$jobs"
build/release/bench/core_bench --benchmark_min_time=0.05
QT_QPA_PLATFORM=offscreen build/release/bench/history_bench
xvfb-run -a -s "-screen 0 1280x800x24" \
    build/release/bench/startup_x_bench build/release/app/tickwright build/release/bench/startup_floor
# The console twin against the tools people use, on a short log here (the
# full figures: bench/annotate-bench.sh build/release/cli/tickwright-cli).
bench/annotate-bench.sh build/release/cli/tickwright-cli 32 4000000 1

echo "== The Debian package (checked with the tests below)"
./tools/package.sh

echo "== Sanitized debug build, tests and fuzzing (clang)"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    -DTICKWRIGHT_SANITIZE=ON -DTICKWRIGHT_FUZZERS=ON -DTICKWRIGHT_WERROR=ON
cmake --build build/test -j "$jobs"
ctest --test-dir build/test --output-on-failure -j "$jobs"

echo "== Windows: cross-built with mingw-w64, tested under Wine"
./tools/windows.sh
