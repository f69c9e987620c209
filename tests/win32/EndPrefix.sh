#!/usr/bin/env bash
# Stops what MakePrefix.sh started for a prefix.
#   EndPrefix.sh PREFIX
set -uo pipefail
prefix=$1
WINEPREFIX=$prefix wineserver -k 2>/dev/null
if [ -s "$prefix/xvfb.pid" ]; then
    kill "$(cat "$prefix/xvfb.pid")" 2>/dev/null
fi
exit 0
