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
for _ in $(seq 50); do
  xwininfo -root -tree | grep -q 'Velmor Ver1.3' && break
  sleep 0.1
done
sleep 1
id=$(xwininfo -root -tree | grep 'Velmor Ver1.3' | awk '{print $1}' | head -n 1)
import -window "$id" "$top/doc/main-window.png"
