#!/usr/bin/env bash
# Reads the built Windows program and fails if it is not the whole program,
# hardened and described as a Windows release is: it imports Windows' own
# DLLs and nothing else (no compiler DLL beside it), runs in the GUI
# subsystem with ASLR (high entropy) and DEP, and carries its version block,
# its manifest's entries and icon 128 in every size. The console twin
# (tickwright-cli.exe) runs in the console subsystem and carries no window's
# resources. With MAX_BYTES, the file may be no larger. Exits 77 (skipped)
# when there is no such file.
#   CheckExe.sh OBJDUMP EXE VERSION [MAX_BYTES]
set -uo pipefail
objdump=$1
exe=$2
version=$3
max_bytes=${4:-}
failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}
if [ ! -f "$exe" ]; then
    echo "no $exe: tools/windows.sh builds it"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

headers=$("$objdump" -p "$exe")

# Windows' own DLLs: the system's, the common controls and accessibility,
# and the C runtime every Windows has.
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|ole32|oleaut32|oleacc|shell32|advapi32|msvcrt)\.dll$'
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z' | sort -u)
[ -n "$imports" ] || fail "no imports read"
while read -r dll; do
    [[ "$dll" =~ $allowed ]] || fail "it imports $dll, which Windows does not have"
done <<<"$imports"

characteristics=$((16#$(sed -n 's/^DllCharacteristics[[:space:]]*\([0-9a-fA-F]*\).*/\1/p' <<<"$headers")))
for flag in HIGH_ENTROPY_VA:0x20 DYNAMIC_BASE:0x40 NX_COMPAT:0x100; do
    (( characteristics & ${flag#*:} )) || fail "DllCharacteristics lacks ${flag%%:*}"
done
if [ "$(basename "$exe")" = tickwright-cli.exe ]; then
    grep -Eq '^Subsystem[[:space:]]+0+3[[:space:]]' <<<"$headers" || fail "not the console subsystem"
    echo "$(basename "$exe"): $(stat -c %s "$exe") bytes; imports: $(tr '\n' ' ' <<<"$imports")"
    exit "$failed"
fi
grep -Eq '^Subsystem[[:space:]]+0+2[[:space:]]' <<<"$headers" || fail "not the GUI subsystem"

# The version block (resource type 16), its texts in UTF-16.
wrestool -x --raw --type=16 "$exe" >"$work/version.bin" 2>/dev/null
strings -e l "$work/version.bin" | tr '\n' '|' >"$work/version.txt"
for entry in "FileVersion|$version|" "ProductVersion|$version|" "ProductName|Tickwright|" \
    "OriginalFilename|tickwright.exe|" "FileDescription|Tickwright|"; do
    grep -qF "$entry" "$work/version.txt" || fail "the version block lacks ${entry//|/ }"
done

# The manifest (resource type 24).
wrestool -x --raw --type=24 "$exe" >"$work/manifest.xml" 2>/dev/null
for entry in 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' \
    'requestedExecutionLevel level="asInvoker"' \
    '>PerMonitorV2</dpiAwareness>' '>true/pm</dpiAware>' \
    'supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"' \
    '>true</longPathAware>'; do
    tr -s ' \n' ' ' <"$work/manifest.xml" | grep -qF "$entry" || fail "the manifest lacks $entry"
done

# Icon group 128, from 16 to 256 pixels.
wrestool -x --type=14 --name=128 "$exe" >"$work/icon.ico" 2>/dev/null
sizes=$(icotool -l "$work/icon.ico" 2>/dev/null | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | sort -nu | tr '\n' ' ')
[ "$sizes" = "16 24 32 48 256 " ] || fail "icon 128 has the sizes '$sizes', not 16 24 32 48 256"

bytes=$(stat -c %s "$exe")
echo "$(basename "$exe"): $bytes bytes; imports: $(tr '\n' ' ' <<<"$imports")"
if [ -n "$max_bytes" ] && [ "$bytes" -gt "$max_bytes" ]; then
    fail "it has $bytes bytes, more than $max_bytes"
fi
exit "$failed"
