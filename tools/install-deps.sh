#!/bin/sh
# Installs what a fresh Debian 12 machine lacks to build, run and test Velmor.
# Extra package names given as arguments are installed too (the fuzzing and accessibility
# tools of tools/test.sh). Idempotent; says nothing when everything is there.
set -eu

packages="cmake g++ make pkg-config libwxgtk3.2-dev libgtk-3-dev googletest libgtest-dev
  xvfb xauth x11-utils imagemagick fonts-ipafont-mincho fonts-ipafont-gothic fonts-dejavu-core
  locales acl $*"

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' ||
    missing="$missing $p"
done
[ -z "$missing" ] && exec "$(dirname "$0")/generate-locales.sh" ja_JP.UTF-8 de_DE.UTF-8

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing:$missing"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
"$(dirname "$0")/generate-locales.sh" ja_JP.UTF-8 de_DE.UTF-8
