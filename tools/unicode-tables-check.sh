#!/usr/bin/env bash
# Fails when the committed character tables (core/FormatCharacters.inc,
# core/WhiteSpace.inc) differ from what tools/unicode-tables.sh makes of the
# installed Unicode Character Database. Where the installed database is of
# another Unicode version than the tables name, the ranges are compared and
# the version is said; any difference in the ranges fails all the same.
#   tools/unicode-tables-check.sh [UCD_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
./tools/unicode-tables.sh "${1:-/usr/share/unicode}" "$scratch" >/dev/null
status=0
for table in FormatCharacters.inc WhiteSpace.inc; do
    committed=core/$table
    made=$scratch/$table
    if ! diff -u <(grep '^{' "$committed") <(grep '^{' "$made"); then
        echo "FAIL: $committed is not what the installed database gives (run tools/unicode-tables.sh)"
        status=1
    elif ! cmp -s "$committed" "$made"; then
        echo "note: $committed was made from $(sed -nE '1s/.* from (.*):$/\1/p' "$committed")," \
             "the installed database is $(sed -nE '1s/.* from (.*):$/\1/p' "$made"); the ranges agree"
    fi
done
[ "$status" -eq 0 ] && echo "the character tables are the installed database's"
exit "$status"
