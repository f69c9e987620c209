#!/usr/bin/env bash
# The real program's command line, with no display at all: --version and
# --help answer and exit 0 (1, saying why, when the answer cannot be written), an unknown option exits 2 with the usage on
# stderr, and Qt's own options still reach Qt (-platform offscreen starts the
# program, which then runs until it is stopped).
#   CommandLine.sh PROGRAM VERSION
set -uo pipefail
program=$1
version=$2
unset DISPLAY WAYLAND_DISPLAY
fail() {
    echo "FAIL: $*"
    exit 1
}

out=$("$program" --version) || fail "--version exited $?"
[ "$out" = "Tickwright $version" ] || fail "--version printed '$out'"

out=$("$program" --help) || fail "--help exited $?"
grep -q '^Usage: tickwright' <<<"$out" || fail "--help has no English usage line"
grep -q '^用法: tickwright' <<<"$out" || fail "--help has no Chinese usage line"

for option in --version --help; do
    err=$("$program" "$option" 2>&1 >/dev/full)
    status=$?
    [ "$status" -eq 1 ] || fail "$option into a full disk exited $status, not 1"
    grep -q 'No space left on device' <<<"$err" || fail "$option did not say why it failed: '$err'"
done

err=$("$program" --platform=offscreen 2>&1 >/dev/null)
status=$?
[ "$status" -eq 2 ] || fail "--platform=offscreen (which Qt does not read) exited $status, not 2"

err=$("$program" --frobnicate 2>&1 >/dev/null)
status=$?
[ "$status" -eq 2 ] || fail "an unknown option exited $status, not 2"
grep -q "'--frobnicate'" <<<"$err" || fail "the error does not name the option"
grep -q '^Usage: tickwright' <<<"$err" || fail "the usage is not on stderr"

timeout 5 "$program" -platform offscreen >/dev/null 2>&1
status=$?
[ "$status" -eq 124 ] || fail "with -platform offscreen the program ended ($status) instead of running"
echo "command line answers as it should"
