#!/usr/bin/env bash
# Tickwright for Windows, made on Debian 12 or 13 (installing only what is
# missing): cross-builds the program with mingw-w64, packages it into
# build/windows/pkg (a portable zip and a per-user installer, with their
# sums), and on amd64 tests it under Wine in virtual X servers (the core,
# page-logic and GUI tests at 96, 144 and 192 DPI, the program from outside,
# both packages) and prints its benchmarks. Elsewhere (i386, whose Wine runs
# no 64-bit program) it builds, packages and checks the executables alone,
# and says so.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh

arch=$(dpkg --print-architecture)
with_wine=false
if [ "$arch" = amd64 ]; then
    with_wine=true
    ensure_packages "${TICKWRIGHT_WINDOWS_BUILD_PACKAGES[@]}" "${TICKWRIGHT_WINDOWS_TEST_PACKAGES[@]}"
else
    ensure_packages "${TICKWRIGHT_WINDOWS_BUILD_PACKAGES[@]}"
fi

jobs=$(nproc)
out=build/windows
version=$(sed -n 's/^project(Tickwright VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
toolchain=(-G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/MinGW.cmake -DTICKWRIGHT_WERROR=ON)

# Google Benchmark's sources, from Debian's own source package (Debian ships
# the library built for the host alone), through the machine's Debian mirrors
# as deb-src, in a private apt state that leaves the system's untouched.
benchmark_source() {
    local deps=$out/deps
    local found
    found=$(find "$deps" -maxdepth 2 -name CMakeLists.txt -path '*/benchmark-*' 2>/dev/null | head -n1)
    if [ -n "$found" ]; then
        dirname "$found"
        return
    fi
    local apt=$deps/apt
    rm -rf "$apt"
    mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/parts"
    : >"$apt/sources.list"
    local list
    for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$list" ] && grep -E '^deb [^#]*debian' "$list" | sed 's/^deb /deb-src /' >>"$apt/sources.list"
    done
    for list in /etc/apt/sources.list.d/*.sources; do
        [ -f "$list" ] || continue
        # Each stanza of a Debian archive, as sources.
        awk 'BEGIN { RS = ""; ORS = "\n\n" } /URIs:[^\n]*debian/ {
                 sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$list" >"$apt/parts/$(basename "$list")"
    done
    local options=(-o "Dir::Etc::SourceList=$PWD/$apt/sources.list"
        -o "Dir::Etc::SourceParts=$PWD/$apt/parts" -o "Dir::State::Lists=$PWD/$apt/lists"
        -o "Dir::Cache=$PWD/$apt/cache" -o Debug::NoLocking=1 -o APT::Sandbox::User=root)
    apt-get "${options[@]}" update -qq >&2
    (cd "$deps" && apt-get "${options[@]}" source --download-only -qq benchmark >&2)
    tar -xzf "$deps"/benchmark_*.orig.tar.gz -C "$deps"
    dirname "$(find "$deps" -maxdepth 2 -name CMakeLists.txt -path '*/benchmark-*' | head -n1)"
}

echo "== Windows: release build (mingw-w64)"
cmake -S . -B "$out/release" "${toolchain[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DTICKWRIGHT_TESTS=OFF -DTICKWRIGHT_BENCHMARKS=ON \
    -DTICKWRIGHT_BENCHMARK_SOURCE="$PWD/$(benchmark_source)"
cmake --build "$out/release" -j "$jobs"

echo "== Windows: packages"
pkg=$out/pkg
stage=$pkg/tickwright-$version-win64
rm -rf "$pkg"
mkdir -p "$stage"
cp "$out/release/app/tickwright.exe" "$out/release/cli/tickwright-cli.exe" app/share/intro.html \
    "$stage/"
# The licence is the Debian package's, in Windows' line ends.
awk '/^License: LicenseRef-proprietary$/ { n++; next } n == 2 { sub(/^ /, ""); if ($0 == ".") $0 = ""; print }' \
    packaging/debian/copyright.in | sed 's/$/\r/' >"$stage/LICENSE.txt"
sed "s/@VERSION@/$version/; s/\$/\r/" packaging/windows/README.txt >"$stage/README.txt"
(cd "$pkg" && cmake -E tar cf "tickwright-$version-win64.zip" --format=zip "tickwright-$version-win64")
makensis -V2 -DVERSION="$version" -DSOURCE="$PWD/$stage" -DICON="$PWD/$out/release/tickwright.ico" \
    -DOUTFILE="$PWD/$pkg/tickwright-$version-win64-setup.exe" packaging/windows/installer.nsi
(cd "$pkg" && sha256sum "tickwright-$version-win64.zip" "tickwright-$version-win64-setup.exe" >SHA256SUMS)
ls -l "$pkg"
# For the packages' test alone: an installer of an earlier version, to
# upgrade from (the same files, an older version named in them).
older=0.9.0.0
rm -rf "$out/pkg-test"
mkdir -p "$out/pkg-test"
cp -r "$stage" "$out/pkg-test/stage"
sed "s/@VERSION@/$older/; s/\$/\r/" packaging/windows/README.txt >"$out/pkg-test/stage/README.txt"
makensis -V2 -DVERSION="$older" -DSOURCE="$PWD/$out/pkg-test/stage" -DICON="$PWD/$out/release/tickwright.ico" \
    -DOUTFILE="$PWD/$out/pkg-test/tickwright-$older-win64-setup.exe" packaging/windows/installer.nsi

echo "== Windows: test build"
cmake -S . -B "$out/test" "${toolchain[@]}" -DCMAKE_BUILD_TYPE=Debug
cmake --build "$out/test" -j "$jobs"

if ! $with_wine; then
    echo "== Windows: no Wine for 64-bit programs on $arch: the executables are checked as files only"
    ctest --test-dir "$out/test" --output-on-failure -R '^e2e\.(Release)?ExeIs'
    exit 0
fi

echo "== Windows: tests under Wine"
rm -rf "$out/test/wine" "$out/test/screenshots" "$out/test/layouts"
ctest --test-dir "$out/test" --output-on-failure -j 3

echo "== Windows: benchmarks under Wine"
# A prefix of their own; its windows managed (as a window manager would),
# since the start-up harness waits for the window a manager is asked to map.
bench=$PWD/$out/release/wine
tests/win32/MakePrefix.sh "$PWD/$out/test/wine/base" "$bench" 96 >/dev/null
trap 'tests/win32/EndPrefix.sh "$bench"' EXIT
export WINEPREFIX=$bench
tests/win32/InPrefix.sh reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d Y /f >/dev/null 2>&1
tests/win32/InPrefix.sh "$out/release/bench/core_bench.exe" --benchmark_min_time=0.05 | tr -d '\r'
tests/win32/InPrefix.sh "$out/release/bench/history_bench.exe" | tr -d '\r'
# Start-up: the host's harness (Xlib alone) times exec to the window mapped,
# and the peak memory, of each program under Wine, through scripts that hand
# their process over to Wine.
g++ -O2 -std=c++20 bench/StartupXBench.cpp -lX11 -o "$out/startup_x_bench"
for program in tickwright:app/tickwright.exe floor:bench/startup_floor.exe; do
    printf '#!/bin/sh\nexec %q %q\n' "$PWD/tests/win32/InPrefix.sh" "$PWD/$out/release/${program#*:}" \
        >"$out/run-${program%%:*}.sh"
    chmod +x "$out/run-${program%%:*}.sh"
done
DISPLAY=":$(head -n1 "$bench/display")" \
    "$out/startup_x_bench" "$out/run-tickwright.sh" "$out/run-floor.sh" 20
echo "tickwright.exe: $(stat -c %s "$out/release/app/tickwright.exe") bytes (target: at most 3 MiB, 3145728)"
