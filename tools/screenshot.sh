#!/bin/sh
# Makes doc/main-window.png: the main window as it opens, on a virtual display.
# Run as: xvfb-run -a -s "-screen 0 800x600x24" tools/screenshot.sh
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
cd "$work"
"$top/build/Velmor" &
pid=$!
id=$("$top/tools/wait-for-window.sh" 'Velmor Ver1.3')
sleep 1
import -window "$id" "$top/doc/main-window.png"
