#!/usr/bin/env bash
# Runs a Windows test program under Wine for ctest, with Wine's state kept in the build
# folder and its debug output silenced.
#   wine-run.sh WINEPREFIX PROGRAM.exe [ARGS...]
set -eu
export WINEPREFIX=$1
shift
export WINEDEBUG=-all
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
exec "$wine" "$@"
