#!/bin/sh
# Builds the libFuzzer targets of fuzz/ with clang into build-fuzz/ and runs each for a
# bounded time: tools/fuzz.sh [seconds per target] (or FUZZ_SECONDS; 60 by default).
# Each target starts from its committed seeds in fuzz/corpus/<target>/ and keeps what it
# finds in build-fuzz/corpus/<target>/; a failing input is saved in build-fuzz/findings/.
# Prints executions per second and coverage (cov: edges, ft: features) per target.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-${FUZZ_SECONDS:-60}}
out="$top/build-fuzz"

"$top/tools/install-deps.sh" clang-14 libclang-rt-14-dev python3
cmake -S "$top/fuzz" -B "$out" -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build "$out" -j"$(nproc)" >/dev/null

status=0
for seeds in "$top"/fuzz/corpus/*/; do
  target=$(basename "$seeds")
  mkdir -p "$out/corpus/$target" "$out/findings" "$out/logs"
  log="$out/logs/$target.log"
  if "$out/$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
      -artifact_prefix="$out/findings/$target-" "$out/corpus/$target" "$seeds" >"$log" 2>&1; then
    grep 'DONE' "$log" | tail -n 1 | awk -v t="$target" '{
      for (i = 1; i < NF; i++) v[$i] = $(i + 1)
      printf "%-24s %8s exec/s  cov %6s  ft %6s  corpus %s  (%s runs)\n", t, v["exec/s:"], v["cov:"], v["ft:"], v["corp:"], substr($1, 2) }'
  else
    echo "$target FAILED; input saved in $out/findings/, log $log:" >&2
    tail -n 30 "$log" >&2
    status=1
  fi
done
exit $status
