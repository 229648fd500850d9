#!/bin/sh
# Builds the Debian package and checks it as Debian and the desktops do: lintian prints
# nothing, the AppStream metadata and the desktop entry validate, the manual page shows in
# English and Japanese, only the launcher is on the PATH, and apt can install it with its
# dependencies. Then it unpacks the package into a scratch root and starts its launcher
# there on a virtual display with a fresh home: the window must open and ~/Velmor must hold
# the help page. Changes nothing outside temporary folders.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh" lintian appstream desktop-file-utils man-db
"$top/tools/build.sh" >/dev/null
cd "$top/build"
rm -f velmor_*.deb
cpack -G DEB >/dev/null
deb=$(ls "$top"/build/velmor_*.deb)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
problem() {
  echo "test-package: $*" >&2
  fail=1
}

apt-get install --simulate -qq "$deb" >"$work/apt.log" 2>&1 || {
  cat "$work/apt.log" >&2
  problem "apt cannot install $deb"
}
dpkg-deb -x "$deb" "$work/root"
root=$work/root

# lintian says on standard error that it runs as root; its findings go to standard output.
if ! lintian --fail-on error,warning "$deb" >"$work/lintian" 2>"$work/lintian.err" ||
  [ -s "$work/lintian" ]; then
  cat "$work/lintian" "$work/lintian.err" >&2
  problem "lintian finds faults in $(basename "$deb")"
fi
if ! desktop-file-validate "$root"/usr/share/applications/*.desktop >"$work/desktop" 2>&1 ||
  [ -s "$work/desktop" ]; then
  cat "$work/desktop" >&2
  problem "desktop-file-validate finds faults in the desktop entry"
fi
# appstreamcli reports success with notes; any note is a finding.
appstreamcli validate --pedantic --no-net "$root"/usr/share/metainfo/*.metainfo.xml \
  >"$work/appstream" 2>&1 || problem "the AppStream metadata is not valid"
if grep -q '^[EWIP]: ' "$work/appstream"; then
  cat "$work/appstream" >&2
  problem "appstreamcli has findings on the AppStream metadata"
fi

commands=$(cd "$root" && find bin sbin usr/bin usr/sbin usr/games usr/local -mindepth 1 \
  -maxdepth 1 2>/dev/null | tr '\n' ' ')
[ "$commands" = "usr/bin/velmor " ] || problem "on the PATH: $commands(only usr/bin/velmor)"

# The language and the page's first heading in it.
for page in "C NAME" "ja 名前"; do
  LC_ALL=C.UTF-8 MANPATH="$root/usr/share/man" man -L "${page% *}" -P cat velmor \
    >"$work/man" 2>/dev/null || true
  grep -q "^${page#* }" "$work/man" || problem "man -L ${page% *} velmor shows no page"
done

mkdir "$work/home"
# A display number of its own, away from other test runs that start their servers at 99.
HOME="$work/home" xvfb-run -a -n $((200 + $$ % 500)) sh -c '
  "$1/root/usr/bin/velmor" >"$1/velmor.log" 2>&1 &
  pid=$!
  "$2/tools/wait-for-window.sh" "Velmor Ver1.3" >"$1/window" || true
  kill "$pid" 2>/dev/null || true
' sh "$work" "$top"

if [ ! -s "$work/window" ]; then
  cat "$work/velmor.log" >&2
  problem "the installed launcher opened no Velmor window"
fi
cmp -s "$root/usr/share/velmor/Velmor.mht" "$work/home/Velmor/Velmor.mht" ||
  problem "~/Velmor does not hold the help page"
[ "$fail" -eq 0 ] && echo "test-package: $(basename "$deb") passes lintian, AppStream and" \
  "desktop-entry checks, has its manual pages, installs, starts and sets up ~/Velmor"
exit "$fail"
