#!/usr/bin/env bash
# Fails when a source file outside the Qt backend includes a Qt header. Qt
# belongs to app/ui/qt (the backend), app/ui/test/qt (its test driver),
# tests/ui/qt (tests of what only Qt has) and bench/qt (the start-up floor, a
# bare Qt program); every other file speaks to the dialog layer's contract.
set -euo pipefail
cd "$(dirname "$0")/.."
allowed='^\./(app/ui/qt|app/ui/test/qt|tests/ui/qt|bench/qt)/'
hits=$(find ./app ./core ./pages ./mainwnd ./tests ./bench ./fuzz \
        \( -name '*.cpp' -o -name '*.h' \) -print |
    grep -vE "$allowed" |
    xargs grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z0-9]*|Qt[A-Za-z0-9]*/[^>"]*)[>"]' ||
    true)
if [ -n "$hits" ]; then
    echo "Qt headers outside the Qt backend:"
    printf '%s\n' "$hits"
    exit 1
fi
echo "Qt is included only by app/ui/qt, app/ui/test/qt, tests/ui/qt and bench/qt."
