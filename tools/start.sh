#!/bin/sh
# Sets up, builds and starts Velmor in the current directory, where it keeps Velmor.ini
# and looks for Velmor.mht.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Velmor is a desktop program and needs a graphical display, but none is set" >&2
  echo "(DISPLAY is empty). On a machine without one, run it under a virtual display:" >&2
  echo "  xvfb-run -a $0" >&2
  exit 1
fi
"$top/tools/build.sh" >/dev/null
exec "$top/build/Velmor"
