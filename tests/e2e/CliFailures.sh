#!/usr/bin/env bash
# tickwright-cli when things go wrong, and its answers: a file that cannot be
# read (named, the others still read, exit 1), an output that cannot be
# written (/dev/full: exit 1), a reader that goes away (| head -1: quiet,
# exit 0), bad options (the usage on standard error, exit 2), empty input
# (nothing out, exit 0), --help and --version, a number and a date given on
# the command line.
#   CliFailures.sh CLI VERSION
set -uo pipefail
cli=$1
version=$2
input="$(cd "$(dirname "$0")" && pwd)/annotate/input.log"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}
expect_status() {
    local want=$1
    shift
    "$@" >"$scratch/out" 2>"$scratch/err"
    local got=$?
    [ "$got" -eq "$want" ] || fail "'$*' exited $got, not $want: $(cat "$scratch/err")"
}

expect_status 1 "$cli" annotate --zone UTC+08H "$scratch/no-such.log" "$input"
grep -q "no-such.log" "$scratch/err" || fail "the unreadable file is not named: $(cat "$scratch/err")"
grep -q "2023-11-15 06:13:20.123 UTC+08H" "$scratch/out" || fail "the readable file was not annotated"

if [ -w /dev/full ]; then
    "$cli" annotate --zone UTC+08H "$input" >/dev/full 2>"$scratch/err"
    status=$?
    [ "$status" -eq 1 ] || fail "writing to /dev/full exited $status, not 1"
    grep -q "cannot write" "$scratch/err" || fail "writing to /dev/full said '$(cat "$scratch/err")'"
fi

for _ in $(seq 1 4000); do cat "$input"; echo; done >"$scratch/big.log"
"$cli" annotate --zone UTC+08H "$scratch/big.log" 2>"$scratch/err" | head -n 1 >/dev/null
status=${PIPESTATUS[0]}
[ "$status" -eq 0 ] || fail "a closed pipe ended with $status, not 0"
[ ! -s "$scratch/err" ] || fail "a closed pipe said '$(cat "$scratch/err")'"

for bad in "annotate --bogus" "annotate --window 2030..2020" "--unit h 1" "--zone UTC+13H 1" "" \
    "not-a-number" "--to-timestamp"; do
    # shellcheck disable=SC2086
    expect_status 2 "$cli" $bad
    grep -q "^Usage: tickwright-cli" "$scratch/err" || fail "'$bad' gave no usage on stderr"
    [ ! -s "$scratch/out" ] || fail "'$bad' wrote to standard output"
done

expect_status 0 "$cli" annotate </dev/null
[ ! -s "$scratch/out" ] || fail "empty input gave output"

expect_status 0 "$cli" --help
grep -q "^Usage: tickwright-cli" "$scratch/out" || fail "--help"
grep -q "below 10^11 seconds" "$scratch/out" || fail "--help does not state the rule"
expect_status 0 "$cli" --version
[ "$(cat "$scratch/out")" = "tickwright-cli (Tickwright) $version" ] || fail "--version: $(cat "$scratch/out")"

expect_status 0 "$cli" --zone UTC+08H 1700000000123 1700000000
[ "$(cat "$scratch/out")" = $'1700000000123\tms\t2023-11-15 06:13:20.123 UTC+08H\t2023-11-14T22:13:20.123Z\n1700000000\ts\t2023-11-15 06:13:20 UTC+08H\t2023-11-14T22:13:20Z' ] ||
    fail "converting numbers gave '$(cat "$scratch/out")'"
expect_status 0 "$cli" --to-timestamp --zone UTC+08H "１９８５－０１－０１" 15:25:35.001
[ "$(cat "$scratch/out")" = 473412335001 ] || fail "--to-timestamp gave '$(cat "$scratch/out")'"
expect_status 0 "$cli" --to-timestamp --zone UTC+00H --unit s 1970-01-02 $'\u200b'
[ "$(cat "$scratch/out")" = 86400 ] || fail "an invisible time is midnight: '$(cat "$scratch/out")'"
expect_status 1 "$cli" --to-timestamp 1985-13-01
grep -q "请输入正确的日期" "$scratch/err" || fail "a bad date said '$(cat "$scratch/err")'"
expect_status 1 "$cli" --to-timestamp 1985-01-01 24:00:00
grep -q "请输入正确的时间" "$scratch/err" || fail "a bad time said '$(cat "$scratch/err")'"
echo "every failure answered as it should"
