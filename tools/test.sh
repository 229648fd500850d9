#!/bin/sh
# Sets up, builds and runs every test; the window tests run on a virtual display.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/build.sh"
cd "$top/build"
xvfb-run -a ctest --output-on-failure
"$top/tools/test-package.sh"
