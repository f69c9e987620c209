#!/usr/bin/env bash
# What a Windows user downloads, as tools/windows.sh made it: the portable
# zip holds the program, the introduction page, the licence and the read-me,
# and their sums are right; under Wine, a silent install (/S) over an older
# version upgrades it in place, leaving one Apps & features entry with the new
# version; while the program runs, a silent install and a silent uninstall
# exit 3 and change nothing; then a silent uninstall takes every file, the
# Start-menu shortcut and the entry away again. Exits 77 (skipped) when no
# packages were made.
#   WINEPREFIX=PREFIX CheckPackages.sh PKG_DIR VERSION OLDER_SETUP DRIVER
# DRIVER is drive_from_outside.exe, which waits for the program's window
# (--wait) and closes it (--close).
set -uo pipefail
pkg=$1
version=$2
older_setup=$3
driver=$4
in_prefix="$(dirname "$0")/../../win32/InPrefix.sh"
zip=$pkg/tickwright-$version-win64.zip
setup=$pkg/tickwright-$version-win64-setup.exe
uninstall_keys='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'
key="$uninstall_keys\\Tickwright"
if [ ! -f "$zip" ] || [ ! -f "$setup" ] || [ ! -f "$older_setup" ]; then
    echo "no packages in $pkg: tools/windows.sh makes them"
    exit 77
fi
fail() {
    echo "FAIL: $*"
    exit 1
}
wine_path() {
    "$in_prefix" winepath -u "$1" 2>/dev/null | tr -d '\r'
}
wine_variable() {
    "$in_prefix" cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'
}
# Waits up to 30 s for a check to hold (the uninstaller finishes in a copy of
# itself, after the one started has ended).
eventually() {
    for _ in $(seq 1 300); do
        if "$@"; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

(cd "$pkg" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the packages"
listing=$(unzip -Z1 "$zip") || fail "the zip cannot be read"
for file in tickwright.exe tickwright-cli.exe intro.html LICENSE.txt README.txt; do
    grep -qx "tickwright-$version-win64/$file" <<<"$listing" || fail "the zip has no $file"
done

# Debian's Wine says it is Windows 7 (6.1.7601), which the installer refuses
# with exit code 4, installing nothing; then the prefix says Windows 10 for
# the rest, and is set back however this ends.
installed=$(wine_path "$(wine_variable LOCALAPPDATA)\\Programs\\Tickwright")
"$in_prefix" winecfg -v win7 >/dev/null 2>&1
status=0
"$in_prefix" "$setup" /S || status=$?
[ "$status" = 4 ] || fail "a silent install on Windows 7 exited $status, not 4"
[ ! -e "$installed" ] || fail "the refused install left $installed"
trap '"$in_prefix" winecfg -v win7 >/dev/null 2>&1' EXIT
"$in_prefix" winecfg -v win10 >/dev/null 2>&1
"$in_prefix" cmd /c ver | grep -q "Windows 10" || fail "the prefix does not say Windows 10"

"$in_prefix" "$older_setup" /S || fail "the older version's silent install exited $?"
shortcut=$(wine_path "$(wine_variable APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Tickwright.lnk")
grep -q "Tickwright 0.9.0.0" "$installed/README.txt" || fail "the older version is not what was installed"

"$in_prefix" "$setup" /S || fail "the silent install over the older version exited $?"
for file in tickwright.exe tickwright-cli.exe intro.html LICENSE.txt README.txt uninstall.exe; do
    [ -f "$installed/$file" ] || fail "the install has no $file in $installed"
done
grep -q "Tickwright $version" "$installed/README.txt" || fail "the upgrade left the older files"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
out=$("$in_prefix" "$installed/tickwright.exe" --version) || fail "the installed program exited $?"
[ "$out" = $'Tickwright '"$version"$'\r' ] || fail "the installed program says '$out'"
entry=$("$in_prefix" reg query "$key" 2>/dev/null | tr -d '\r')
for value in DisplayName DisplayVersion Publisher DisplayIcon EstimatedSize UninstallString; do
    grep -q "^ *$value " <<<"$entry" || fail "the Apps & features entry has no $value"
done
grep -q "DisplayVersion *REG_SZ *$version$" <<<"$entry" || fail "the entry's version is not $version"
entries=$("$in_prefix" reg query "$uninstall_keys" /s 2>/dev/null | tr -d '\r' |
    grep -c "DisplayName *REG_SZ *Tickwright$")
[ "$entries" = 1 ] || fail "Apps & features lists Tickwright $entries times"

# While the program runs, neither the installer nor the uninstaller touch it.
"$in_prefix" "$installed/tickwright.exe" >/dev/null 2>&1 &
program=$!
"$in_prefix" "$driver" --wait >/dev/null || fail "the installed program did not come up"
before=$(cd "$installed" && sha256sum -- * | sha256sum)
status=0
"$in_prefix" "$setup" /S || status=$?
[ "$status" = 3 ] || fail "a silent install while the program runs exited $status, not 3"
# The uninstaller in place (_?=), so its own exit status is what returns.
status=0
"$in_prefix" "$installed/uninstall.exe" /S "_?=$("$in_prefix" winepath -w "$installed" | tr -d '\r')" ||
    status=$?
[ "$status" = 3 ] || fail "a silent uninstall while the program runs exited $status, not 3"
after=$(cd "$installed" && sha256sum -- * | sha256sum)
[ "$before" = "$after" ] || fail "the files changed while the program ran"
"$in_prefix" reg query "$key" >/dev/null 2>&1 || fail "the entry went while the program ran"
"$in_prefix" "$driver" --close >/dev/null
ended() { ! kill -0 "$program" 2>/dev/null; }
eventually ended || fail "the program did not end after its close box"
wait "$program"

"$in_prefix" "$installed/uninstall.exe" /S || fail "the silent uninstall exited $?"
gone() { [ ! -e "$installed" ] && [ ! -e "$shortcut" ]; }
eventually gone || fail "the uninstall left $(ls -A "$installed" 2>/dev/null | tr '\n' ' ')$([ -e "$shortcut" ] && echo 'the shortcut')"
"$in_prefix" reg query "$key" >/dev/null 2>&1 && fail "the Apps & features entry is still there"
echo "the zip holds the program; the installer installs and uninstalls it whole"
