#!/bin/sh
# Builds the Debian package, checks that apt can install it with its dependencies, unpacks
# it into a scratch root and starts its launcher there on a virtual display with a fresh
# home: the window must open and ~/Velmor must hold the help page. Changes nothing outside
# temporary folders.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/build.sh" >/dev/null
cd "$top/build"
rm -f velmor_*.deb
cpack -G DEB >/dev/null
deb=$(ls "$top"/build/velmor_*.deb)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

apt-get install --simulate -qq "$deb" >"$work/apt.log" 2>&1 || {
  cat "$work/apt.log" >&2
  echo "test-package: apt cannot install $deb" >&2
  exit 1
}

dpkg-deb -x "$deb" "$work/root"
mkdir "$work/home"
# A display number of its own, away from other test runs that start their servers at 99.
HOME="$work/home" xvfb-run -a -n $((200 + $$ % 500)) sh -c '
  "$1/root/usr/bin/velmor" >"$1/velmor.log" 2>&1 &
  pid=$!
  "$2/tools/wait-for-window.sh" "Velmor Ver1.3" >"$1/window" || true
  kill "$pid" 2>/dev/null || true
' sh "$work" "$top"

fail=0
if [ ! -s "$work/window" ]; then
  echo "test-package: the installed launcher opened no Velmor window" >&2
  cat "$work/velmor.log" >&2
  fail=1
fi
if ! cmp -s "$work/root/usr/share/velmor/Velmor.mht" "$work/home/Velmor/Velmor.mht"; then
  echo "test-package: ~/Velmor does not hold the help page" >&2
  fail=1
fi
[ "$fail" -eq 0 ] && echo "test-package: $(basename "$deb") installs, starts and sets up ~/Velmor"
exit "$fail"
