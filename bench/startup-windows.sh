#!/bin/bash
# Prints the Windows build's start-up under wine, as information: Velmor.exe and a bare
# wxMSW dialog of the same size, to the window shown and to the first complete paint
# (medians; the same measuring as bench/run's). Runs its own virtual display and wine server.
# Usage: bench/startup-windows.sh BUILD_DIR WINE [runs]
#   BUILD_DIR: a Windows build with its benchmarks (build-win/i686 or build-win/x86_64)
#   WINE: the wine loader that runs it; WINEPREFIX and the locale come from the caller
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=$1 wine=$2 runs=${3:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -O2 -o "$work/startup_timer" "$top/bench/startup_timer.cpp" -lX11

cat >"$work/run.sh" <<EOS
set -u
cd "$work"  # no Velmor.ini here: start-up reads nothing
"$wine" wineboot -i >/dev/null 2>&1
"${wine%/*}/wineserver" -p
for exe in Velmor.exe bench/velmor_bare_dialog.exe; do  # warm the caches
  "$work/startup_timer" "$wine" "$dir/\$exe" >/dev/null 2>&1
done
for _ in \$(seq $runs); do
  for pair in velmor:Velmor.exe:bench/velmor_first_paint.exe \
              bare:bench/velmor_bare_dialog.exe:bench/velmor_bare_first_paint.exe; do
    IFS=: read -r name exe painting <<<"\$pair"
    "$work/startup_timer" "$wine" "$dir/\$exe" >>"$work/\$name.shown" 2>/dev/null
    "$work/startup_timer" --painted "$wine" "$dir/\$painting" >>"$work/\$name.painted" 2>/dev/null
  done
done
"${wine%/*}/wineserver" -k 2>/dev/null || true
EOS
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/run.sh"

median() { sort -n | awk '{v[NR]=$1} END {print (NR ? v[int((NR+1)/2)] : "-")}'; }
echo "Windows build under wine, start-up (median of $runs; load average $(cut -d' ' -f1 /proc/loadavg)):"
for name in velmor bare; do
  printf '  %-7s window shown %7s ms   first complete paint %7s ms\n' "$name" \
    "$(median <"$work/$name.shown")" "$(median <"$work/$name.painted")"
done
