#!/bin/bash
# Mutation check: how many deliberate slips in the product code the quick suite catches.
# Each row of tools/mutants.tsv (file, exact text, replacement, why) is applied in turn to
# a scratch copy of the tree, which is built and tested with the quick suite's ctest run
# (the window-free tests first, the window tests only when those pass), then restored. A row whose text does not occur exactly once, or whose mutant does not
# build, fails the script: the table cannot rot silently.
#
#   tools/mutants.sh [PATTERN...]    only the rows whose file or text contains a PATTERN
#
# Ends with "mutants: N caught, M survived" and lists the survivors. Takes a while.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
work=$top/build-mutants
src=$work/src
build=$work/build
log=$work/log
patterns=("$@")

"$top/tools/install-deps.sh" at-spi2-core python3-pyatspi dbus-x11 python3 openbox

mkdir -p "$src" "$log"
# Only the files that differ are copied, so a second run builds only what changed.
(cd "$top" && git ls-files -z --cached --others --exclude-standard) |
    while IFS= read -r -d '' file; do
        cmp -s "$top/$file" "$src/$file" || install -D -m "$(stat -c %a "$top/$file")" "$top/$file" "$src/$file"
    done
cmake -S "$src" -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" >"$log/base.txt" 2>&1 || { tail -30 "$log/base.txt"; exit 1; }
if ! (cd "$build" && xvfb-run -a ctest -j"$(nproc)" >"$log/base-tests.txt" 2>&1); then
    tail -30 "$log/base-tests.txt"
    echo "mutants: the unmutated tree fails its tests"
    exit 1
fi

# Replaces the text in the file; exit 3 when it is not there exactly once.
patch_file() {
    python3 - "$@" <<'PY'
import sys
path, old, new = sys.argv[1:4]
data = open(path, encoding='utf-8').read()
if data.count(old) != 1:
    sys.exit(3)
open(path, 'w', encoding='utf-8').write(data.replace(old, new))
PY
}

does_not_build() {
    cp "$work/original" "$src/$file"
    tail -20 "$log/$n-build.txt"
    echo "mutants: row $n does not build ($file: $old)"
    exit 1
}

build_row() {
    cmake --build "$build" -j"$(nproc)" "$@" >>"$log/$n-build.txt" 2>&1
}

caught=0
survived=()
n=0
# The table is read on its own descriptor: the tests may read standard input.
while IFS=$'\t' read -r -u 3 file old new why; do
    [[ -z $file || $file == \#* ]] && continue
    if ((${#patterns[@]})); then
        wanted=no
        for pattern in "${patterns[@]}"; do [[ $file$old == *"$pattern"* ]] && wanted=yes; done
        [[ $wanted == yes ]] || continue
    fi
    n=$((n + 1))
    cp "$src/$file" "$work/original"
    : >"$log/$n-build.txt"
    if ! patch_file "$src/$file" "$old" "$new"; then
        echo "mutants: row $n does not apply to $file: $old"
        exit 1
    fi
    # The window-free tests first: most slips are caught there in seconds, before the
    # window tests are even linked.
    build_row --target velmor_unit_tests || does_not_build
    if (cd "$build" && ctest -L unit -j"$(nproc)" --stop-on-failure >"$log/$n-tests.txt" 2>&1); then
        build_row || does_not_build
        if (cd "$build" && xvfb-run -a ctest -LE unit -j"$(nproc)" --stop-on-failure --timeout 180 \
                >>"$log/$n-tests.txt" 2>&1); then
            survived+=("$file: $old -> $new ($why)")
            echo "survived $n: $file: $why"
            cp "$work/original" "$src/$file"
            continue
        fi
    fi
    caught=$((caught + 1))
    echo "caught   $n: $file: $why"
    cp "$work/original" "$src/$file"
done 3<"$top/tools/mutants.tsv"

cmake --build "$build" -j"$(nproc)" >/dev/null 2>&1 || true
for s in "${survived[@]}"; do echo "  survived: $s"; done
echo "mutants: $caught caught, ${#survived[@]} survived"
