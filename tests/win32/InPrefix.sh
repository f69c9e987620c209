#!/usr/bin/env bash
# Runs a Windows program under Wine in the prefix WINEPREFIX names (one
# MakePrefix.sh made), on that prefix's own X server: the tests' emulator
# (CROSSCOMPILING_EMULATOR). TZ is left out: Wine takes the zone from the
# machine, and the Windows C runtime would read a POSIX TZ as UTC.
#   WINEPREFIX=PREFIX InPrefix.sh PROGRAM [ARGUMENT]...
set -euo pipefail
: "${WINEPREFIX:?the prefix to run in}"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
DISPLAY=":$(head -n1 "$WINEPREFIX/display")"
export DISPLAY
unset TZ
exec wine "$@"
