#!/usr/bin/env bash
# The Windows program's command line under Wine, answering the console it was
# started from: --version and --help answer and exit 0 (1, saying why, when
# the answer cannot be written), and an unknown option exits 2 with the usage
# on the error stream; lines end in CR LF, as on Windows.
#   WINEPREFIX=PREFIX CommandLine.sh PROGRAM VERSION
set -uo pipefail
program=$1
version=$2
in_prefix="$(dirname "$0")/../../win32/InPrefix.sh"
fail() {
    echo "FAIL: $*"
    exit 1
}
run() {
    "$in_prefix" "$program" "$@"
}

out=$(run --version) || fail "--version exited $?"
[ "$out" = $'Tickwright '"$version"$'\r' ] || fail "--version printed '$out'"

out=$(run --help) || fail "--help exited $?"
grep -q $'^Usage: tickwright.*\r$' <<<"$out" || fail "--help has no English usage line"
grep -q $'^用法: tickwright.*\r$' <<<"$out" || fail "--help has no Chinese usage line"

for option in --version --help; do
    err=$(run "$option" 2>&1 >/dev/full)
    status=$?
    [ "$status" -eq 1 ] || fail "$option into a full disk exited $status, not 1"
    [ -n "$err" ] || fail "$option did not say why it failed"
done

err=$(run --frobnicate 2>&1 >/dev/null)
status=$?
[ "$status" -eq 2 ] || fail "an unknown option exited $status, not 2"
grep -q "'--frobnicate'" <<<"$err" || fail "the error does not name the option"
grep -q '^Usage: tickwright' <<<"$err" || fail "the usage is not on the error stream"
echo "command line answers as it should"
