#!/usr/bin/env bash
# Runs COMMAND with one Wine server kept running for its whole length, so that no Windows
# program it starts (a test, a test listing) waits for Wine's cold start. A new prefix is
# made first: Chinese fonts for every face that Windows programs ask for, and no menu
# entries written into the host's desktop. The server ends with COMMAND, whatever happens.
#   wine-session.sh WINEPREFIX COMMAND [ARGS...]
set -u
prefix_dir=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=wine-environment.sh
. "$prefix_dir/wine-environment.sh" "$1"
shift

mkdir -p "$WINEPREFIX"
# A server left running for this prefix (an earlier run that was killed, a developer's
# shell) would keep its own display and settings: end it first.
"$wineserver" -k 2>/dev/null
"$wineserver" -w 2>/dev/null
"$wineserver" -p || { echo "the Wine server did not start"; exit 1; }
trap '"$wineserver" -k 2>/dev/null' EXIT

ready=$WINEPREFIX/.metalweight-ready
if [ ! -f "$ready" ]; then
    # Made under a Chinese locale, Wine's own dialog font is a Chinese one too.
    LANG=zh_CN.UTF-8 "$wine" wineboot -i >/dev/null 2>&1 || { echo "wineboot failed"; exit 1; }
    fonts=$WINEPREFIX/cjk-fonts.reg
    {
        echo "REGEDIT4"
        echo
        echo "[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]"
        for face in "MS Shell Dlg" "MS Shell Dlg 2" "SimSun" "NSimSun" "Microsoft YaHei" \
            "Microsoft YaHei UI" "Tahoma" "Segoe UI" "Microsoft Sans Serif"; do
            echo "\"$face\"=\"Noto Sans CJK SC\""
        done
    } >"$fonts"
    "$wine" regedit /S "$fonts" >/dev/null 2>&1 || { echo "the font replacements failed"; exit 1; }
    touch "$ready"
fi
# Wine's own services and its desktop process start with the first program that needs
# them. Started here, they hold none of a test's output pipes open: ctest waits for a
# test's output to end, and would wait for them. The services live as long as the server;
# the desktop process only while some program keeps a window (tests/win32/DesktopKeeper.cpp).
"$wine" wineboot >/dev/null 2>&1 || { echo "wineboot failed"; exit 1; }
"$wine" explorer.exe /desktop </dev/null >/dev/null 2>&1 &
"$@"
