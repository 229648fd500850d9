#!/bin/sh
# Sets up and builds Velmor, installs it into build/stage and starts it with its launcher,
# as the installed program starts: in ~/Velmor, where it keeps Velmor.ini and finds its
# help page Velmor.mht. It builds only what it installs (target velmor_installed_files):
# the tests and benchmarks are built by tools/test.sh and bench/run.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Velmor is a desktop program and needs a graphical display, but none is set" >&2
  echo "(DISPLAY is empty). On a machine without one, run it under a virtual display:" >&2
  echo "  xvfb-run -a $0" >&2
  exit 1
fi
step() { echo "== $*"; }

step "1/4 Installing the packages that are missing (nothing to say when all are there)"
"$top/tools/install-deps.sh"
step "2/4 Configuring the build in build/"
cmake -S "$top" -B "$top/build" >/dev/null
step "3/4 Building the program, its help page and its gear data"
cmake --build "$top/build" -j"$(nproc)" --target velmor_installed_files
step "4/4 Installing into build/stage and starting Velmor"
cmake --install "$top/build" --prefix "$top/build/stage" >/dev/null
exec "$top/build/stage/bin/velmor"
