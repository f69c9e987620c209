#!/usr/bin/env bash
# The Windows program under Wine, from outside: it starts and shows its main
# window "Tickwright", converts a timestamp typed into it, and ends with
# exit status 0 when its close box is used.
#   WINEPREFIX=PREFIX RunUnderWine.sh PROGRAM DRIVER
set -uo pipefail
program=$1
driver=$2
in_prefix="$(dirname "$0")/../../win32/InPrefix.sh"

"$in_prefix" "$program" >/dev/null 2>&1 &
pid=$!
if ! "$in_prefix" "$driver"; then
    kill "$pid" 2>/dev/null
    exit 1
fi
for _ in $(seq 1 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
        break
    fi
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    echo "FAIL: the program did not end after its close box"
    exit 1
fi
status=0
wait "$pid" || status=$?
echo "program exited with status $status"
exit "$status"
