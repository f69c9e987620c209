#!/usr/bin/env bash
# The Debian package as a user gets it: lintian finds no error and no warning,
# it holds exactly the files it should, and the program unpacked from it runs
# on a (virtual) X server, opens its introduction page from where it was
# unpacked, and ends with status 0 when its window is closed.
#   CheckPackage.sh PACKAGE CLOSER
set -uo pipefail
package=$1
closer=$2
if [ ! -f "$package" ]; then
    echo "SKIP: $package has not been built (./tools/package.sh)"
    exit 77
fi
if [ -z "${TICKWRIGHT_INSIDE_XVFB:-}" ]; then
    export TICKWRIGHT_INSIDE_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
fail() {
    echo "FAIL: $*"
    exit 1
}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

echo "== lintian"
lintian --fail-on error,warning --display-info "$package" 2>&1 | grep -v 'root privileges'
[ "${PIPESTATUS[0]}" -eq 0 ] || fail "lintian found errors or warnings"

echo "== files"
expected="/usr/bin/tickwright
/usr/bin/tickwright-cli
/usr/share/applications/io.github.tickwright.Tickwright.desktop
/usr/share/doc/tickwright/changelog.gz
/usr/share/doc/tickwright/copyright
/usr/share/icons/hicolor/16x16/apps/tickwright.png
/usr/share/icons/hicolor/24x24/apps/tickwright.png
/usr/share/icons/hicolor/256x256/apps/tickwright.png
/usr/share/icons/hicolor/32x32/apps/tickwright.png
/usr/share/icons/hicolor/48x48/apps/tickwright.png
/usr/share/icons/hicolor/scalable/apps/tickwright.svg
/usr/share/man/man1/tickwright-cli.1.gz
/usr/share/man/man1/tickwright.1.gz
/usr/share/metainfo/io.github.tickwright.Tickwright.metainfo.xml
/usr/share/tickwright/intro.html"
actual=$(dpkg-deb -c "$package" | awk '$1 !~ /^d/ {print substr($6, 2)}' | sort)
[ "$actual" = "$expected" ] || fail "the package holds:
$actual"
dpkg-deb -f "$package" Depends | grep -q 'fonts-noto-cjk' || fail "no dependency on the fonts"
dpkg-deb -f "$package" Depends | grep -q 'libqt6widgets6' || fail "no dependency on Qt"
[ "$(dpkg-deb -f "$package" Section)" = utils ] || fail "not in section utils"

echo "== the unpacked program"
dpkg-deb -x "$package" "$scratch/root"
mkdir "$scratch/bin"
cat >"$scratch/bin/xdg-open" <<SCRIPT
#!/bin/sh
echo "\$@" >>"$scratch/opened"
SCRIPT
chmod +x "$scratch/bin/xdg-open"
PATH="$scratch/bin:$PATH" "$scratch/root/usr/bin/tickwright" &
pid=$!
window=$(timeout 30 xdotool search --sync --name '^Tickwright$' | head -n 1)
[ -n "$window" ] || { kill "$pid"; fail "the main window never appeared"; }
# The link "软件简介" is the first tab stop; Space presses it.
xdotool windowfocus --sync "$window" key space
for _ in $(seq 1 50); do
    [ -s "$scratch/opened" ] && break
    sleep 0.1
done
"$closer" Tickwright 10 || { kill "$pid"; fail "could not close the window"; }
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
[ "$(cat "$scratch/opened" 2>/dev/null)" = "file://$scratch/root/usr/share/tickwright/intro.html" ] ||
    fail "the link opened '$(cat "$scratch/opened" 2>/dev/null)'"
echo "the package is sound and its program runs"
