#!/usr/bin/env bash
# Sets up a Debian 12 or 13 machine for packaging Tickwright (installing only
# what is missing), builds it with Debian's hardening flags, and makes
# build/pkg/tickwright_VERSION_ARCH.deb with CPack, for this machine's
# architecture. The maintainer's address comes from TICKWRIGHT_MAINTAINER
# ("Name <address>") and the AppStream homepage from TICKWRIGHT_HOMEPAGE when
# they are set.
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
    -DTICKWRIGHT_TESTS=OFF -DTICKWRIGHT_BENCHMARKS=OFF \
    ${TICKWRIGHT_MAINTAINER:+"-DTICKWRIGHT_MAINTAINER=$TICKWRIGHT_MAINTAINER"} \
    ${TICKWRIGHT_HOMEPAGE:+"-DTICKWRIGHT_HOMEPAGE=$TICKWRIGHT_HOMEPAGE"}
cmake --build build/pkg -j "$(nproc)"
(cd build/pkg && cpack -G DEB)
echo "Built $(ls build/pkg/tickwright_*_"$(dpkg --print-architecture)".deb)"
