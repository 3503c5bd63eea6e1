#!/usr/bin/env bash
# Runs a Windows test program under Wine for ctest, with Wine's state kept in the build
# folder and its debug output silenced.
#   wine-run.sh WINEPREFIX PROGRAM.exe [ARGS...]
set -eu
# shellcheck source=wine-environment.sh
. "$(dirname "$0")/wine-environment.sh" "$1"
shift
exec "$wine" "$@"
