#!/bin/bash
# Builds the Windows targets and runs their tests under wine on a virtual display, with
# a Japanese locale so that wine's ANSI code page is 932.
#
# build-win/i686    the shipped 32-bit Velmor.exe, its tests and the zip
# build-win/x86_64  the same source for 64-bit Windows; its tests run instead where
#                   the kernel cannot run 32-bit programs (wine32 needs that)
# build-win/wine    a fresh wine prefix for each run
#
# Ends with "windows: N passed, N failed" and exits non-zero on any failure.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=$top/build-win
jobs=${JOBS:-2}

say() { echo "test-windows: $*"; }
fail() { echo "test-windows: FAILED: $*"; echo "windows: 0 passed, 1 failed"; exit 1; }

"$top/tools/install-windows-deps.sh"

# Configures and builds one architecture; prints nothing but errors and warnings.
build() {
    local arch=$1 toolchain=$2 prefix dir=$out/$1 log
    prefix=$("$top/tools/build-wxmsw.sh" "$arch") || fail "wxMSW for $arch"
    log=$dir.log
    mkdir -p "$dir"
    if ! { cmake -S "$top" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
               -DCMAKE_TOOLCHAIN_FILE="$top/cmake/$toolchain" -DVELMOR_WXMSW_PREFIX="$prefix" &&
           cmake --build "$dir" -j"$jobs"; } >"$log" 2>&1; then
        tail -40 "$log"
        fail "build of $arch (log: $log)"
    fi
    if grep -q 'warning:' "$log"; then
        grep 'warning:' "$log"
        fail "warnings in the $arch build"
    fi
}

start=$(date +%s)
build i686 toolchain-mingw32.cmake
say "built $out/i686/Velmor.exe ($(stat -c %s "$out/i686/Velmor.exe") bytes) in $(( $(date +%s) - start )) s"

# Static: nothing to ship but the exe.
dlls=$(i686-w64-mingw32-objdump -p "$out/i686/Velmor.exe" | awk '/DLL Name/ {print $3}')
for dll in $dlls; do
    case "${dll,,}" in
        advapi32.dll|comctl32.dll|comdlg32.dll|gdi32.dll|kernel32.dll|msvcrt.dll|ole32.dll|\
        oleacc.dll|oleaut32.dll|shell32.dll|shlwapi.dll|user32.dll|uxtheme.dll|version.dll|\
        winspool.drv|rpcrt4.dll|winmm.dll|ws2_32.dll|winhttp.dll|imm32.dll) ;;
        *) fail "Velmor.exe needs $dll, which Windows does not have" ;;
    esac
done
(cd "$out/i686" && cpack >/dev/null) || fail "cpack"
say "zip: $(ls "$out"/i686/Velmor-*.zip)"

# wine32's loader is a 32-bit Linux program: without the kernel's 32-bit support the
# 64-bit build's tests stand in for the 32-bit ones.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    arch=i686
    wine=/usr/lib/wine/wine
else
    arch=x86_64
    wine=/usr/lib/wine/wine64
    say "this kernel cannot run 32-bit programs; the tests run as 64-bit Windows programs"
    start=$(date +%s)
    build x86_64 toolchain-mingw64.cmake
    say "built the x86_64 tests in $(( $(date +%s) - start )) s"
fi

export WINEPREFIX=$out/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ "$arch" = x86_64 ] && export WINEARCH=win64
rm -rf "$WINEPREFIX"
tests=$out/$arch/tests
results=$out/results
rm -rf "$results"
mkdir -p "$results"

# Tests of the Linux build that do not apply here: the GTK popup that stands in for the
# system menu (Windows has the real one, tested through Alt+Space instead), and POSIX
# permissions and symbolic links of the gear-data file, and help paths spelt with "/".
gui_filter=-MainDialogTest.ShiftF10OpensTheSystemMenuWhoseLastEntryIsTheAboutBox
unit_filter=-ReplaceTextFile.WritesEachLineFeedAsCrLfAndKeepsThePermissions:ReplaceTextFile.ReplacesTheFileBehindASymbolicLink:HelpFilePath.*

# One virtual display and one wine server for the whole run. Each test program runs
# in a folder of its own, as the program works in its current directory.
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
cat >"$results/run.sh" <<EOF
set -u
"$wine" wineboot -i >/dev/null 2>&1
run() {
    name=\$1 exe=\$2; shift 2
    mkdir -p "$results/\$name.cwd"
    (cd "$results/\$name.cwd" && timeout 600 "$wine" "$tests/\$exe" "\$@") \
        >"$results/\$name.log" 2>&1
    echo \$? >"$results/\$name.rc"
}
run unit velmor_unit_tests.exe --gtest_filter=$unit_filter
run gui velmor_gui_tests.exe --gtest_filter=$gui_filter
# The converters name code page 932 themselves: the same tests under a Western page.
LANG=C.UTF-8 LC_ALL=C.UTF-8 run unit-cp1252 velmor_unit_tests.exe --gtest_filter=$unit_filter
"${wine%/*}/wineserver" -k 2>/dev/null || true
EOF
xvfb-run -a -s "-screen 0 1024x768x24" bash "$results/run.sh"
"$top/bench/startup-windows.sh" "$out/$arch" "$wine" || say "start-up figures failed"

passed=0
failed=0
for name in unit gui unit-cp1252; do
    log=$results/$name.log
    tr -d '\r' <"$log" >"$log.txt" && mv "$log.txt" "$log"
    rc=$(cat "$results/$name.rc" 2>/dev/null || echo 1)
    p=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$log" | tail -1)
    f=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) test.*/\1/p' "$log" | tail -1)
    p=${p:-0}
    f=${f:-0}
    if [ "$rc" != 0 ] && [ "$f" = 0 ]; then f=1; fi  # crashed or hung
    if [ "$rc" != 0 ]; then
        say "$name tests ($arch) failed, exit code $rc; their output:"
        cat "$log"
    fi
    say "$name tests ($arch): $p passed, $f failed"
    passed=$((passed + p))
    failed=$((failed + f))
done

if [ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]; then
    say "PASS: all Windows tests passed under wine"
else
    say "FAIL: Windows tests failed under wine"
fi
echo "windows: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
