#!/bin/sh
# tools/start.sh builds only what it installs and starts: on a freshly configured build
# folder, as on a fresh clone, the target it builds compiles the program's units and no
# unit of the tests, benchmarks or fuzz targets.
#   start_script_test.sh <source folder> <scratch build folder>
set -eu
top=$1
scratch=$2
fail() { echo "start_script: $*" >&2; exit 1; }

# Every build the script makes is of that one target, its progress shown (nothing may
# follow the target on the line, no redirection), and the script names its steps.
builds=$(grep -c 'cmake --build' "$top/tools/start.sh" || true)
targeted=$(grep -c 'cmake --build .*--target velmor_installed_files$' "$top/tools/start.sh" || true)
[ "$builds" -ge 1 ] && [ "$builds" = "$targeted" ] ||
  fail "tools/start.sh builds more than velmor_installed_files"
[ "$(grep -c '^step ' "$top/tools/start.sh")" -ge 4 ] || fail "tools/start.sh does not name its steps"

rm -rf "$scratch"
cmake -G "Unix Makefiles" -S "$top" -B "$scratch" >/dev/null
# What make would compile, without compiling it (-k: the libraries it would link are missing).
units=$(cmake --build "$scratch" --target velmor_installed_files -- -nk 2>/dev/null |
  sed -n 's#.* -c \([^ ]*\)$#\1#p' | sed "s#^$top/##" | sort -u)
rm -rf "$scratch"
echo "$units" | grep -qx 'app/calc_app.cpp' || fail "the program's main unit is not built"
echo "$units" | grep -qx 'packaging/gear-file/write_default_gear_file.cpp' ||
  fail "the writer of the default gear data is not built"
stray=$(echo "$units" | grep -E '^(tests|bench|fuzz)/' || true)
[ -z "$stray" ] || fail "starting compiles test or bench units:
$stray"
echo "start_script: $(echo "$units" | wc -l) units, none of the tests or benchmarks"
