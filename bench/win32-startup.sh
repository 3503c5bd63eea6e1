#!/usr/bin/env bash
# Start-up of metalweight.exe to its window shown, against a bare Win32 window with the
# same fifteen controls, in turns, under Wine on a virtual display with a window manager.
# Needs the cross build (scripts/test.sh makes it in build-windows/).
#   bench/win32-startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
bin=$PWD/build-windows/bin
ls -l "$bin/metalweight.exe"
tests/run-under-window-manager.sh cmake/toolchains/wine-session.sh \
    "$PWD/build-windows/wineprefix" cmake/toolchains/wine-run.sh "$PWD/build-windows/wineprefix" \
    "$bin/startup_bench.exe" "$runs" "Z:$bin/metalweight.exe" MetalweightFrmmetal \
    "Z:$bin/metalweight-bare-window.exe" MetalweightBareWindow
