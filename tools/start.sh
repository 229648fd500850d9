#!/bin/sh
# Sets up and builds Velmor, installs it into build/stage and starts it with its launcher,
# as the installed program starts: in ~/Velmor, where it keeps Velmor.ini and finds its
# help page Velmor.mht.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Velmor is a desktop program and needs a graphical display, but none is set" >&2
  echo "(DISPLAY is empty). On a machine without one, run it under a virtual display:" >&2
  echo "  xvfb-run -a $0" >&2
  exit 1
fi
"$top/tools/build.sh" >/dev/null
cmake --install "$top/build" --prefix "$top/build/stage" >/dev/null
exec "$top/build/stage/bin/velmor"
