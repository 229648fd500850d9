#!/bin/sh
# Makes the pictures of the main window as a new user first sees it, on a virtual display:
# light theme (doc/main-window.png), dark theme (doc/main-window-dark.png) and at scale 2
# (doc/main-window-scale2.png). Each starts the built program through its launcher, as
# installed into a scratch folder, with a fresh home.
# Run as: xvfb-run -a -s "-screen 0 1800x1000x24" tools/screenshot.sh
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
pid=""
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
cmake --install "$top/build" --prefix "$work/stage" >/dev/null

# shot <picture> [VARIABLE=value]: the window under that environment.
shot() {
  picture=$1
  shift
  mkdir "$work/home-$picture"
  env HOME="$work/home-$picture" "$@" "$work/stage/bin/velmor" &
  pid=$!
  id=$("$top/tools/wait-for-window.sh" 'Velmor Ver1.3')
  sleep 1
  import -window "$id" "$top/doc/$picture"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
}

shot main-window.png
shot main-window-dark.png GTK_THEME=Adwaita:dark
shot main-window-scale2.png GDK_SCALE=2
