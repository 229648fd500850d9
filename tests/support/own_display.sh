#!/bin/sh
# Runs a window test on a virtual display of its own, so that tests running side by side
# never move each other's pointer, type into each other's windows or take their focus.
# Xvfb picks a free display itself (-displayfd) and says which once it is ready.
set -eu
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/log" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$work"' EXIT
until grep -q . "$work/display"; do
    kill -0 "$server" 2>/dev/null || { cat "$work/log" >&2; exit 1; }
    sleep 0.05
done
DISPLAY=:$(cat "$work/display") "$@"
