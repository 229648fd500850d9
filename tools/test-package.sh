#!/bin/sh
# Builds the Debian package and checks it as Debian and the desktops do: lintian prints
# nothing, the AppStream metadata and the desktop entry validate, the manual page shows in
# English and Japanese, only the launcher is on the PATH, and apt can install it with its
# dependencies. Then it unpacks the package into a scratch root and starts its launcher
# there on a virtual display: in a fresh home the window must open and ~/Velmor must hold
# the help page and the default gear data; an existing Velmor.ini of any kind stays as it
# is. Changes nothing outside temporary folders.
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

# First starts of the installed launcher, each in a home of its own: a fresh one, where the
# default gear data must appear byte for byte as built; and homes whose ~/Velmor already
# holds something at Velmor.ini (the user's edited file, a folder, a link that leads
# nowhere), which must stay as it was.
homes="fresh edited folder link"
mkdir -p "$work/fresh" "$work/edited/Velmor" "$work/folder/Velmor/Velmor.ini" "$work/link/Velmor"
printf '// \203\115\203\101\r\nFront Crankset\r\n34-50\r\nfEnd\r\n' >"$work/edited/Velmor/Velmor.ini"
cp "$work/edited/Velmor/Velmor.ini" "$work/edited.ini"
ln -s nowhere "$work/link/Velmor/Velmor.ini"
# A display number of its own, away from other test runs that start their servers at 99.
xvfb-run -a -n $((200 + $$ % 500)) sh -c '
  work=$1 top=$2
  shift 2
  for home; do
    HOME="$work/$home" "$work/root/usr/bin/velmor" >"$work/$home.log" 2>&1 &
    pid=$!
    "$top/tools/wait-for-window.sh" "Velmor Ver1.3" >"$work/$home.window" || true
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
' sh "$work" "$top" $homes

for home in $homes; do
  if [ ! -s "$work/$home.window" ]; then
    cat "$work/$home.log" >&2
    problem "the installed launcher opened no Velmor window in the $home home"
  fi
done
cmp -s "$root/usr/share/velmor/Velmor.mht" "$work/fresh/Velmor/Velmor.mht" ||
  problem "~/Velmor does not hold the help page"
cmp -s "$top/build/default-gear/Velmor.ini" "$work/fresh/Velmor/Velmor.ini" ||
  problem "~/Velmor does not hold the default gear data as built"
cmp -s "$work/edited.ini" "$work/edited/Velmor/Velmor.ini" ||
  problem "the launcher changed the user's own Velmor.ini"
[ -d "$work/folder/Velmor/Velmor.ini" ] && [ -z "$(ls -A "$work/folder/Velmor/Velmor.ini")" ] ||
  problem "the launcher changed the folder standing at Velmor.ini"
[ "$(readlink "$work/link/Velmor/Velmor.ini")" = nowhere ] && [ ! -e "$work/link/Velmor/nowhere" ] ||
  problem "the launcher changed the link standing at Velmor.ini, or wrote through it"
for home in $homes; do
  leftover=$(find "$work/$home/Velmor" -name '.Velmor.ini.*')
  [ -z "$leftover" ] || problem "the launcher left $leftover"
done
[ "$fail" -eq 0 ] && echo "test-package: $(basename "$deb") passes lintian, AppStream and" \
  "desktop-entry checks, has its manual pages, installs, starts, sets up ~/Velmor" \
  "and leaves an existing Velmor.ini alone"
exit "$fail"
