#!/usr/bin/env bash
# The binaries a user runs carry every hardening the build promises, read from
# the binaries themselves: PIE, full RELRO with immediate binding, a strong
# stack protector, fortified calls, stack-clash protection (from the switches
# the compiler recorded) and, on x86, the CET note (IBT and SHSTK).
#   CheckHardening.sh PACKAGE RELEASE_BINARY
# Each that has not been built is skipped; with neither, the test is skipped.
set -uo pipefail
package=$1
release=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failures=0
check() {
    local binary=$1 what=$2
    shift 2
    if ! "$@"; then
        echo "FAIL: $binary: $what"
        failures=$((failures + 1))
    fi
}

check_binary() {
    local binary=$1
    local header dynamic segments symbols switches notes
    header=$(readelf -h "$binary")
    dynamic=$(readelf -d "$binary")
    segments=$(readelf -l "$binary")
    symbols=$(readelf --dyn-syms -W "$binary")
    switches=$(readelf -p .GCC.command.line "$binary" 2>/dev/null)
    notes=$(readelf -n "$binary")
    check "$binary" "not position-independent (PIE)" \
        grep -qE 'Type: +DYN' <<<"$header"
    check "$binary" "no PIE flag" grep -qE 'FLAGS_1.*PIE' <<<"$dynamic"
    check "$binary" "no RELRO segment" grep -q GNU_RELRO <<<"$segments"
    check "$binary" "no immediate binding (BIND_NOW)" \
        grep -qE '\(FLAGS\).*BIND_NOW|FLAGS_1.*NOW' <<<"$dynamic"
    check "$binary" "no stack protector" grep -q __stack_chk_fail <<<"$symbols"
    check "$binary" "no fortified calls (_FORTIFY_SOURCE)" grep -qE '__[a-z]+_chk' <<<"$symbols"
    check "$binary" "not built with -fstack-clash-protection" \
        grep -q -- -fstack-clash-protection <<<"$switches"
    check "$binary" "not built with -fstack-protector-strong" \
        grep -q -- -fstack-protector-strong <<<"$switches"
    case $(readelf -h "$binary" | sed -nE 's/ *Machine: +//p') in
        *X86-64* | *80386*)
            check "$binary" "not built with -fcf-protection" grep -q -- -fcf-protection <<<"$switches"
            check "$binary" "no CET shadow-stack note (SHSTK)" \
                grep -qE 'x86 feature: .*SHSTK' <<<"$notes"
            # The indirect-branch mark needs start files that carry it.
            if readelf -n "$(cc -print-file-name=Scrt1.o)" 2>/dev/null | grep -q 'x86 feature: .*IBT'; then
                check "$binary" "no CET indirect-branch note (IBT)" \
                    grep -qE 'x86 feature: .*IBT' <<<"$notes"
            fi
            ;;
    esac
    echo "checked $binary"
}

checked=0
if [ -f "$package" ]; then
    dpkg-deb -x "$package" "$scratch/root"
    check_binary "$scratch/root/usr/bin/tickwright"
    check_binary "$scratch/root/usr/bin/tickwright-cli"
    checked=$((checked + 1))
fi
if [ -f "$release" ]; then
    check_binary "$release"
    checked=$((checked + 1))
fi
if [ "$checked" -eq 0 ]; then
    echo "SKIP: neither $package nor $release has been built"
    exit 77
fi
[ "$failures" -eq 0 ] || exit 1
echo "every binary is hardened"
