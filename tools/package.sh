#!/usr/bin/env bash
# Sets up a Debian 12 machine for packaging Tickwright (installing only what
# is missing), builds it with Debian's hardening flags, and makes
# build/pkg/tickwright_1.0.0.1_amd64.deb with CPack.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${TICKWRIGHT_PACKAGE_PACKAGES[@]}"

# Debian's flags with every hardening feature: fortified, stack-protected,
# read-only relocations bound at start.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build/pkg -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=g++ \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    -DCMAKE_INSTALL_PREFIX=/usr -DTICKWRIGHT_PACKAGE=ON \
    -DTICKWRIGHT_TESTS=OFF -DTICKWRIGHT_BENCHMARKS=OFF
cmake --build build/pkg -j "$(nproc)"
(cd build/pkg && cpack -G DEB)
echo "Built build/pkg/tickwright_1.0.0.1_amd64.deb"
