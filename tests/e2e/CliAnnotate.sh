#!/usr/bin/env bash
# tickwright-cli annotates the same log into the same bytes on every
# platform: tests/e2e/annotate/input.log (CR LF and LF lines, invalid UTF-8,
# a NUL, full-width digits, versions, addresses, every unit, a last line
# without a line end) against expected-UTC+08H.log, read as a file, from
# standard input and as "-"; and two files are read one after another as cat
# reads them; a file named outside ASCII is found. Under Wine with the Windows program too (RUN is the prefix's
# runner, and the paths are given in Windows' form).
#   CliAnnotate.sh CLI [RUN]
set -uo pipefail
cli=$1
run=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
input=$here/annotate/input.log
expected=$here/annotate/expected-UTC+08H.log
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}
path_of() {
    if [ -n "$run" ]; then
        printf 'Z:%s\n' "${1//\//\\}"
    else
        printf '%s\n' "$1"
    fi
}

$run "$cli" annotate --zone UTC+08H "$(path_of "$input")" >"$scratch/file.log" ||
    fail "annotating the file exited $?"
cmp "$scratch/file.log" "$expected" || fail "the file's annotation differs from $expected"
$run "$cli" annotate --zone UTC+08H <"$input" >"$scratch/stdin.log" || fail "standard input: $?"
cmp "$scratch/stdin.log" "$expected" || fail "standard input's annotation differs"
$run "$cli" annotate --zone=UTC+08H - <"$input" >"$scratch/dash.log" || fail "\"-\": $?"
cmp "$scratch/dash.log" "$expected" || fail "\"-\"'s annotation differs"
# A name outside ASCII, with a character beyond 16 bits (a surrogate pair in
# Windows' wide names), reaches the file whole.
named="$scratch/日志 ünï-😀.log"
cp "$input" "$named"
$run "$cli" annotate --zone UTC+08H "$(path_of "$named")" >"$scratch/named.log" ||
    fail "a file named outside ASCII: $?"
cmp "$scratch/named.log" "$expected" || fail "the file named outside ASCII reads otherwise"
cat "$input" "$input" >"$scratch/twice.log"
$run "$cli" annotate --zone UTC+08H <"$scratch/twice.log" >"$scratch/twice-in.log"
$run "$cli" annotate --zone UTC+08H "$(path_of "$input")" "$(path_of "$input")" \
    >"$scratch/twice-files.log" || fail "two files: $?"
cmp "$scratch/twice-in.log" "$scratch/twice-files.log" || fail "two files are not read as cat reads them"
echo "annotated as expected, $(wc -c <"$expected") bytes"
