#!/usr/bin/env bash
# Runs a command on a virtual X server with a window manager (openbox), as a user meets
# a window: real frames, real popups, real focus. DISPLAY names the server for the
# command and everything it starts; the server and openbox end with the command.
#   run-under-window-manager.sh COMMAND [ARGS...]
# Extra X server options (a scale, a screen size) come from METALWEIGHT_XVFB_ARGS.
set -u
for tool in Xvfb openbox xprop; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 1; }
done
work=$(mktemp -d)
# The X server picks a free display itself and writes its number once it accepts
# clients: no race with another server starting at the same moment.
# shellcheck disable=SC2086
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp ${METALWEIGHT_XVFB_ARGS:-} \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
cleanup() {
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 200); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || { cat "$work/xvfb.log"; echo "Xvfb did not start"; exit 1; }
    sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb gave no display"; exit 1; }
export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
HOME=$work openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
# Ready once openbox has announced itself and set the work area, which the window's
# centring and the About box's size read.
for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK _NET_WORKAREA 2>/dev/null | grep -q "not found" ||
        break
    sleep 0.05
done
sleep 0.2
"$@"
