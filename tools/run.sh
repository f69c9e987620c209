#!/usr/bin/env bash
# Sets up a Debian 12 or 13 machine for Tickwright (installing only what is
# missing), builds it, and starts it. Extra arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${TICKWRIGHT_APP_PACKAGES[@]}"

cmake -S . -B build/app -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=g++ \
    -DTICKWRIGHT_TESTS=OFF -DTICKWRIGHT_BENCHMARKS=OFF
cmake --build build/app -j "$(nproc)" --target tickwright tickwright-cli
echo "tickwright-cli is built too: build/app/cli/tickwright-cli --help"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<MSG
Tickwright is built (build/app/app/tickwright) but there is no display to show
its window on: neither DISPLAY nor WAYLAND_DISPLAY is set.
Run it from a desktop session, or on a virtual X server:
    xvfb-run -a build/app/app/tickwright
(xvfb-run comes with the Debian package xvfb.)
MSG
    exit 1
fi
exec build/app/app/tickwright "$@"
