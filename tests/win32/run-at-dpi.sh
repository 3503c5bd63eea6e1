#!/usr/bin/env bash
# Runs a Windows program under Wine with the prefix's screen at DPI dots per inch, and
# puts the prefix back at 96 afterwards, whatever happens.
#   run-at-dpi.sh DPI WINEPREFIX PROGRAM.exe [ARGS...]
set -u
dpi=$1
# shellcheck source=../../cmake/toolchains/wine-environment.sh
. "$(dirname "$0")/../../cmake/toolchains/wine-environment.sh" "$2"
shift 2
set_dpi() {
    for key in 'HKCU\Control Panel\Desktop' \
        'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
        "$wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    done
}
set_dpi "$dpi"
trap 'set_dpi 96' EXIT
"$wine" "$@"
