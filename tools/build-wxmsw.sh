#!/bin/bash
# Builds a static wxMSW 3.2 for mingw-w64 from Debian's wxwidgets3.2 source
# package and installs it into a per-machine cache, keyed by the source
# version, the configure flags and the compiler. A finished cache entry is
# reused as it is.
#
# Usage: build-wxmsw.sh [i686|x86_64]   (default i686, the shipped build;
# x86_64 serves the wine tests on kernels that cannot run 32-bit code)
#
# Prints the install prefix (its bin/wx-config is what CMake wants) as the
# only line on stdout; progress goes to stderr, the build output to
# <prefix>.log.
set -euo pipefail

ARCH=${1:-i686}
case "$ARCH" in i686|x86_64) ;; *) echo "usage: $0 [i686|x86_64]" >&2; exit 2;; esac
HOST=$ARCH-w64-mingw32
CC_BIN=${HOST}-gcc-posix
CXX_BIN=${HOST}-g++-posix
CACHE_ROOT=${VELMOR_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velmor}

# Debian's source has the bundled third-party libraries stripped. wxSVGFileDC
# (the chart's SVG files) needs libpng, which is built first from Debian's own
# source into the same prefix, on Debian's zlib for mingw-w64; every other
# optional image/compression library is off. uiactionsim and the testing hooks
# stay on (the GUI tests use them).
WX_FLAGS=(
    --host=$HOST --disable-shared --with-msw
    --disable-xrc --without-expat --with-libpng=sys --without-libjpeg
    --without-libtiff --with-zlib=sys --without-regex --without-liblzma
    --without-opengl
    --disable-webview --disable-mediactrl --disable-stc --disable-richtext
    --disable-aui --disable-propgrid --disable-ribbon --disable-html
    --enable-uiactionsim
)

log() { echo "build-wxmsw: $*" >&2; }

command -v "$CXX_BIN" >/dev/null || { log "$CXX_BIN missing (run tools/install-windows-deps.sh)"; exit 1; }

# Version of the source package apt would fetch, read from the .dsc name.
dsc=$(apt-get source --print-uris wxwidgets3.2 2>/dev/null | awk '$2 ~ /\.dsc$/ {print $2; exit}')
[ -n "$dsc" ] || { log "apt-get source cannot see wxwidgets3.2 (deb-src entry missing?)"; exit 1; }
version=${dsc#wxwidgets3.2_}
version=${version%.dsc}

key=$( { printf '%s\n' "${WX_FLAGS[@]}"; "$CXX_BIN" --version | head -1; } | sha256sum | cut -c1-12)
prefix="$CACHE_ROOT/wxmsw-$version-$key"
stamp="$prefix/.velmor-complete"

if [ -f "$stamp" ]; then
    echo "$prefix"
    exit 0
fi

mkdir -p "$CACHE_ROOT"
exec 9>"$CACHE_ROOT/.wxmsw.lock"
flock 9
if [ -f "$stamp" ]; then   # built by another run while we waited
    echo "$prefix"
    exit 0
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/wxmsw.XXXXXX")
trap 'rm -rf "$work"' EXIT
buildlog="$prefix.log"
: >"$buildlog"
start=$(date +%s)
log "building wxMSW $version into $prefix (log: $buildlog)"

(
    set -e
    cd "$work"
    rm -rf "$prefix"
    # The newest version whose source the mirror has (security updates' may be missing).
    for v in $(apt-cache showsrc libpng1.6 | awk '/^Version:/ {print $2}' | sort -rV); do
        apt-get source -qq "libpng1.6=$v" && break
    done
    png=$(find . -maxdepth 1 -type d -name 'libpng1.6-*' | head -1)
    [ -n "$png" ]
    (cd "$png" && ./configure --host=$HOST --prefix="$prefix" --disable-shared CC="$CC_BIN" &&
        make -j"${JOBS:-2}" && make install)
    apt-get source -qq wxwidgets3.2
    src=$(find . -maxdepth 1 -type d -name 'wxwidgets3.2-*' | head -1)
    mkdir build
    cd build
    "../$src/configure" --prefix="$prefix" "${WX_FLAGS[@]}" \
        CC="$CC_BIN" CXX="$CXX_BIN" CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib"
    make -j"${JOBS:-2}"
    make install
) >>"$buildlog" 2>&1 &   # in the background, as set -e does not hold in a list with ||
wait $! || {
    log "FAILED after $(( $(date +%s) - start )) s; tail of $buildlog:"
    tail -30 "$buildlog" >&2
    exit 1
}

[ -x "$prefix/bin/wx-config" ] || { log "install has no bin/wx-config"; exit 1; }
touch "$stamp"
log "done in $(( $(date +%s) - start )) s"
echo "$prefix"
