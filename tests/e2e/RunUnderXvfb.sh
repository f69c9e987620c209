#!/usr/bin/env bash
# Starts the real program on a virtual X server, waits for its main window by
# title, closes it as a window manager's close box would, and expects the
# program to end by itself with exit status 0.
#   RunUnderXvfb.sh PROGRAM CLOSER
set -euo pipefail
program=$1
closer=$2

if [ -z "${TICKWRIGHT_INSIDE_XVFB:-}" ]; then
    export TICKWRIGHT_INSIDE_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

run() {
    "$program" &
    local pid=$!
    if ! "$closer" Tickwright 30; then
        kill "$pid" 2>/dev/null || true
        echo "FAIL: the main window never appeared"
        return 1
    fi
    for _ in $(seq 1 100); do
        if ! kill -0 "$pid" 2>/dev/null; then
            break
        fi
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        echo "FAIL: the program did not end after its window was closed"
        return 1
    fi
    local status=0
    wait "$pid" || status=$?
    echo "program exited with status $status"
    return "$status"
}

run
