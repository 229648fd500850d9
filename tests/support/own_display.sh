#!/bin/sh
# Runs a window test on a virtual display of its own, so that tests running side by side
# never move each other's pointer, type into each other's windows or take their focus.
# Xvfb picks a free display itself (-displayfd) and says which once it is ready.
#
#   own_display.sh [--window-manager] PROGRAM [ARGS...]
#
# With --window-manager, openbox manages the display's windows (placement, focus and
# stacking on click, as on a desktop).
set -eu
wm=no
if [ "${1:-}" = --window-manager ]; then wm=yes; shift; fi
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$work/display" 2>"$work/log" &
server=$!
manager=""
trap 'kill $manager "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$work"' EXIT
until grep -q . "$work/display"; do
    kill -0 "$server" 2>/dev/null || { cat "$work/log" >&2; exit 1; }
    sleep 0.05
done
export DISPLAY=:$(cat "$work/display")
if [ "$wm" = yes ]; then
    openbox --sm-disable >"$work/wm.log" 2>&1 &
    manager=$!
    # Ready once it has claimed the screen.
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        kill -0 "$manager" 2>/dev/null || { cat "$work/wm.log" >&2; exit 1; }
        sleep 0.05
    done
fi
"$@"
