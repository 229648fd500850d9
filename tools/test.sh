#!/bin/sh
# Sets up, builds and runs the tests; the window tests run on a virtual display.
#
#   tools/test.sh         the Linux suite: unit, window, accessibility and package tests
#   tools/test.sh --all   that, then the sanitizer run, fuzzing and the Windows build with
#                         its tests under wine (what CI runs)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
case "${1:-}" in
  "") all=no ;;
  --all) all=yes ;;
  *) echo "usage: $0 [--all]" >&2; exit 2 ;;
esac

"$top/tools/install-deps.sh" at-spi2-core python3-pyatspi dbus-x11 xdotool openbox  # accessibility, window manager
"$top/tools/build.sh"
# Each window test starts a virtual display of its own, so the tests run side by side.
(cd "$top/build" && ctest -j"$(nproc)" --output-on-failure)
"$top/tools/test-package.sh"
[ "$all" = yes ] || exit 0

# Hardening: the whole suite again under the sanitizers, then each fuzz target for 10 s.
"$top/tools/sanitize.sh"
"$top/tools/fuzz.sh" 10

# Velmor.exe: the Windows build and its tests under wine (the first run on a machine also
# builds wxWidgets for Windows, which takes a while; it is cached in ~/.cache/velmor).
"$top/tools/test-windows.sh"
