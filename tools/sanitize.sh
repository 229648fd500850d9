#!/bin/sh
# Builds Velmor and its tests with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs the whole test suite there, window tests included, on a virtual
# display. Any report fails the run. Only leaks inside the toolkit's own libraries are
# suppressed: tools/lsan.supp says which and why.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
flags="-O1 -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all"
cmake -S "$top" -B "$top/build-asan" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="$flags" >/dev/null
cmake --build "$top/build-asan" -j"$(nproc)"
cd "$top/build-asan"
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1
export LSAN_OPTIONS="suppressions=$top/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1
xvfb-run -a ctest --output-on-failure
