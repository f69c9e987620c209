#!/usr/bin/env bash
# Installs into a scratch prefix and validates what a desktop reads there.
#   CheckDesktopFiles.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/tickwright share/tickwright/intro.html \
    share/applications/io.github.tickwright.Tickwright.desktop \
    share/metainfo/io.github.tickwright.Tickwright.metainfo.xml \
    share/icons/hicolor/16x16/apps/tickwright.png share/icons/hicolor/24x24/apps/tickwright.png \
    share/icons/hicolor/32x32/apps/tickwright.png share/icons/hicolor/48x48/apps/tickwright.png \
    share/icons/hicolor/256x256/apps/tickwright.png share/icons/hicolor/scalable/apps/tickwright.svg; do
    if [ ! -e "$prefix/$file" ]; then
        echo "FAIL: $file was not installed"
        exit 1
    fi
done
desktop-file-validate "$prefix/share/applications/io.github.tickwright.Tickwright.desktop"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --pedantic \
        "$prefix/share/metainfo/io.github.tickwright.Tickwright.metainfo.xml"
fi
echo "installed files are in place and valid"
