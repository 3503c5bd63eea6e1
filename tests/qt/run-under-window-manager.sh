#!/usr/bin/env bash
# Runs a window test on a virtual X server with a window manager (openbox), as a user
# meets the window: real frames, real popups, real focus.
#   run-under-window-manager.sh PROGRAM [ARGS...]
# Extra X server options (a scale, a screen size) come from METALWEIGHT_XVFB_ARGS.
set -u
for tool in Xvfb openbox; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 1; }
done
display=""
for candidate in $(seq 90 140); do
    if [ ! -e "/tmp/.X${candidate}-lock" ] && [ ! -e "/tmp/.X11-unix/X${candidate}" ]; then
        display=":$candidate"
        break
    fi
done
[ -n "$display" ] || { echo "no free X display"; exit 1; }

work=$(mktemp -d)
# shellcheck disable=SC2086
Xvfb "$display" -screen 0 1280x1024x24 -dpi 96 -nolisten tcp ${METALWEIGHT_XVFB_ARGS:-} \
    >"$work/xvfb.log" 2>&1 &
xvfb=$!
cleanup() {
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && break
    [ -e "/tmp/.X11-unix/X${display#:}" ] && break
    sleep 0.05
done
HOME=$work openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
sleep 0.5
QT_QPA_PLATFORM=xcb "$@"
