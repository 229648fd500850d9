#!/bin/bash
# Installs what the 32-bit Windows build and its wine tests need.
# Idempotent: prints nothing and changes nothing when all is in place.
set -euo pipefail

SRC_LIST=/etc/apt/sources.list.d/velmor-src.sources
# posix thread model: GoogleTest needs std::mutex, which this GCC's win32
# model lacks (winpthreads is linked statically, so no DLL to ship).
# The x86_64 toolchain and wine64 run the wine tests on kernels without
# 32-bit user mode, where wine32 cannot start. nsis builds the installer;
# python3 reads its Start-menu shortcut in the test. zlib serves the libpng that
# wxWidgets' SVG drawing needs.
PKGS=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686
      g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
      libz-mingw-w64-dev
      wine wine32 wine64 locales dpkg-dev xvfb xauth imagemagick zip make nsis python3)

log() { echo "install-windows-deps: $*"; }

if [ "$(id -u)" -ne 0 ]; then
    SUDO=sudo
else
    SUDO=
fi

need_update=0

# deb-src entries mirroring the binary repositories already configured.
if ! [ -s "$SRC_LIST" ]; then
    base=/etc/apt/sources.list.d/debian.sources
    if [ -f "$base" ]; then
        sed -n 's/^Types:[[:space:]]*deb$/Types: deb-src/;p' "$base" \
            | $SUDO tee "$SRC_LIST" >/dev/null
    else
        codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
        printf '%s\n' "Types: deb-src" "URIs: http://deb.debian.org/debian" \
            "Suites: $codename $codename-updates" "Components: main" \
            "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" \
            | $SUDO tee "$SRC_LIST" >/dev/null
    fi
    log "added $SRC_LIST"
    need_update=1
fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
    log "added architecture i386"
    need_update=1
fi

missing=()
for p in "${PKGS[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

# Source lists are needed for apt-get source even when nothing is missing.
if ! ls /var/lib/apt/lists/*_source_Sources* >/dev/null 2>&1; then
    need_update=1
fi

if [ "$need_update" = 1 ] || [ ${#missing[@]} -gt 0 ]; then
    log "apt-get update"
    out=$($SUDO apt-get update -qq 2>&1) || { echo "$out" >&2; exit 1; }
fi

if [ ${#missing[@]} -gt 0 ]; then
    log "installing ${missing[*]}"
    out=$(DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq \
        --no-install-recommends "${missing[@]}" 2>&1) || { echo "$out" >&2; exit 1; }
fi

"$(dirname "$0")/generate-locales.sh" ja_JP.UTF-8
