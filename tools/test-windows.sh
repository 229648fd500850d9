#!/bin/bash
# Builds the Windows targets and runs their tests under wine on a virtual display, with
# a Japanese locale so that wine's ANSI code page is 932.
#
# build-win/i686    the shipped 32-bit Velmor.exe, its tests, the zip and the installer
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
zip=$(ls "$out"/i686/Velmor-*.zip)
# A folder to unpack and run: the program with its help page and the default gear data,
# which is the editor's, byte for byte.
python3 - "$zip" "$top/tests/gear_data/default_Velmor.ini" <<'PY' || fail "the zip's content"
import sys, zipfile
names = zipfile.ZipFile(sys.argv[1]).namelist()
for name in ("Velmor.exe", "Velmor.mht", "Velmor.ini", "README.txt", "licences/README.txt"):
    if name not in names:
        sys.exit(f"no {name} in the zip: {names}")
if zipfile.ZipFile(sys.argv[1]).read("Velmor.ini") != open(sys.argv[2], "rb").read():
    sys.exit("the zip's Velmor.ini is not the default gear data")
PY
say "zip: $zip"
installer() {
    cmake --build "$out/$1" --target installer >"$out/$1-installer.log" 2>&1 ||
        { cat "$out/$1-installer.log"; fail "installer for $1"; }
}
installer i686
say "installer: $out/i686/Velmor-1.3-setup.exe ($(stat -c %s "$out/i686/Velmor-1.3-setup.exe") bytes)"

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
    installer x86_64
    say "built the x86_64 tests and installer in $(( $(date +%s) - start )) s"
fi

export WINEPREFIX=$out/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ "$arch" = x86_64 ] && export WINEARCH=win64
rm -rf "$WINEPREFIX"
tests=$out/$arch/tests
results=$out/results
rm -rf "$results"
mkdir -p "$results"

# The installer as a user meets it, on the run's display and wine server: silent install,
# the files, the default gear data in the user's folder, the Start-menu shortcut, the
# uninstall entry, the program started as the shortcut starts it, installs over whatever
# stands at Velmor.ini (the user's edited file, a folder, a link that leads nowhere), which
# must stay as it is, and the silent uninstall that keeps the user's folder. Prints one
# line per finding and, when there is none, "installer: all checks passed".
installer_test() {
    local setup=$1 default_gear=$2 found=0 key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmor'
    local localappdata profile appdata inst user lnk shortcut entry pid
    finding() { echo "installer: $*"; found=1; }
    "$wine" "$setup" /S || finding "the silent install failed"
    { read -r localappdata; read -r profile; read -r appdata; } < <("$wine" cmd /c \
        'echo %LOCALAPPDATA%&echo %USERPROFILE%&echo %APPDATA%' | tr -d '\r')
    inst=$("$wine" winepath -u "$localappdata\Programs\Velmor" | tr -d '\r')
    user=$("$wine" winepath -u "$profile\Velmor" | tr -d '\r')
    for f in Velmor.exe Velmor.mht README.txt licences/README.txt uninstall.exe; do
        [ -f "$inst/$f" ] || finding "no $f in $inst"
    done
    cmp -s "$inst/Velmor.mht" "$user/Velmor.mht" || finding "$user holds no help page"
    cmp -s "$default_gear" "$user/Velmor.ini" || finding "$user holds not the default gear data"
    [ ! -e "$inst/Velmor.ini" ] || finding "gear data in the program folder $inst"

    # The shortcut's target and working folder, read from the link file itself.
    lnk=$("$wine" winepath -u "$appdata\Microsoft\Windows\Start Menu\Programs\Velmor.lnk" |
        tr -d '\r')
    shortcut=$(python3 - "$lnk" <<'PY' 2>&1
import struct, sys
data = open(sys.argv[1], "rb").read()
flags = struct.unpack_from("<I", data, 20)[0]
pos = 76
if flags & 0x01:  # item id list
    pos += 2 + struct.unpack_from("<H", data, pos)[0]
target = ""
if flags & 0x02:  # link info with the local path of the target
    size, _, _, _, local = struct.unpack_from("<5I", data, pos)
    target = data[pos + local:data.index(b"\0", pos + local)].decode("cp932")
    pos += size
unit = 2 if flags & 0x80 else 1
strings = {}
for bit in (0x04, 0x08, 0x10):  # name, relative path, working folder
    if flags & bit:
        count = struct.unpack_from("<H", data, pos)[0]
        raw = data[pos + 2:pos + 2 + count * unit]
        strings[bit] = raw.decode("utf-16-le" if unit == 2 else "cp932").rstrip("\0")
        pos += 2 + count * unit
print(target + "|" + strings.get(0x10, ""))
PY
    )
    [ "$shortcut" = "$localappdata\Programs\Velmor\Velmor.exe|$profile\Velmor" ] ||
        finding "the shortcut is '$shortcut', not Velmor.exe in $profile\Velmor"

    entry=$("$wine" reg query "$key" | tr -d '\r')
    for value in "DisplayName    REG_SZ    Velmor" "DisplayVersion    REG_SZ    1.3" \
                 "Publisher    REG_SZ    Quelt" "DisplayIcon    REG_SZ    $localappdata\Programs\Velmor\Velmor.exe,0" \
                 "UninstallString    REG_SZ    \"$localappdata\Programs\Velmor\uninstall.exe\"" \
                 "EstimatedSize    REG_DWORD    0x"; do
        grep -qF "    $value" <<<"$entry" || finding "the uninstall entry lacks $value"
    done

    (cd "$user" && exec "$wine" "$localappdata\Programs\Velmor\Velmor.exe") >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 10); do
        "$top/tools/wait-for-window.sh" "Velmor Ver1.3" >/dev/null 2>&1 && break
    done || finding "Velmor, started in $user, opened no window"
    # The first start, for a look at its lists and status line.
    sleep 1
    import -window root "$results/first-start.png" 2>/dev/null || true
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null

    # The user's gear data, edited: another install leaves it alone, and it must outlive
    # the uninstall byte for byte.
    printf '// \x83\x4d\x83\x41\r\n[Crankset]\r\n34-50\r\n' >"$user/Velmor.ini"
    cp "$user/Velmor.ini" "$results/Velmor.ini.edited"
    "$wine" "$setup" /S || finding "the silent install over an edited Velmor.ini failed"
    cmp -s "$results/Velmor.ini.edited" "$user/Velmor.ini" || finding "the install changed Velmor.ini"
    "$wine" "$localappdata\Programs\Velmor\uninstall.exe" /S || finding "the silent uninstall failed"
    timeout 120 "${wine%/*}/wineserver" -w  # the uninstaller runs on from a copy of itself
    [ ! -e "$inst" ] || finding "the uninstall left $(ls "$inst")"
    [ ! -e "$lnk" ] || finding "the uninstall left the shortcut"
    "$wine" reg query "$key" >/dev/null 2>&1 && finding "the uninstall left the entry"
    cmp -s "$results/Velmor.ini.edited" "$user/Velmor.ini" || finding "the uninstall changed Velmor.ini"

    # Neither a folder nor a link that leads nowhere at Velmor.ini is replaced.
    rm "$user/Velmor.ini"
    mkdir "$user/Velmor.ini"
    "$wine" "$setup" /S || finding "the silent install beside a folder Velmor.ini failed"
    [ -d "$user/Velmor.ini" ] && [ -z "$(ls -A "$user/Velmor.ini")" ] ||
        finding "the install changed the folder Velmor.ini"
    rmdir "$user/Velmor.ini"
    ln -s nowhere "$user/Velmor.ini"
    "$wine" "$setup" /S || finding "the silent install beside a dangling link Velmor.ini failed"
    [ "$(readlink "$user/Velmor.ini")" = nowhere ] && [ ! -e "$user/nowhere" ] ||
        finding "the install replaced the link Velmor.ini or wrote through it"
    [ "$found" = 0 ] && echo "installer: all checks passed"
}
declare -f installer_test >"$results/installer-test.sh"
export top wine results

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
run unit velmor_unit_tests.exe
run gui velmor_gui_tests.exe
# The converters name code page 932 themselves: the same tests under a Western page.
LANG=C.UTF-8 LC_ALL=C.UTF-8 run unit-cp1252 velmor_unit_tests.exe
. "$results/installer-test.sh"
installer_test "$out/$arch/Velmor-1.3-setup.exe" "$out/$arch/default-gear/Velmor.ini" \
    >"$results/installer.log" 2>&1
"${wine%/*}/wineserver" -k 2>/dev/null || true
EOF
xvfb-run -a -s "-screen 0 1600x1000x24" bash "$results/run.sh"
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

if [ "$(tail -1 "$results/installer.log")" = "installer: all checks passed" ]; then
    say "installer ($arch): installs, starts and uninstalls"
    passed=$((passed + 1))
else
    say "installer ($arch) failed:"
    cat "$results/installer.log"
    failed=$((failed + 1))
fi

if [ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]; then
    say "PASS: all Windows tests passed under wine"
else
    say "FAIL: Windows tests failed under wine"
fi
echo "windows: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
