#!/bin/sh
# Builds the animated-GIF component and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in the build directory $1 (default build-asan) and runs them.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build-asan}
case "$build" in
/*) ;;
*) build="$root/$build" ;;
esac

# -O1 with line tables only: this runs in CI after the full suite, so the build is kept short
# while reports still name functions and lines.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1" \
    -DNIMBRISCO_ANIGIF_ONLY=ON -DNIMBRISCO_SANITIZE=ON -DNIMBRISCO_BUILD_BENCH=OFF
ninja -C "$build" -j2 anigif_tests

# Leak checking stays on; Qt's own start-up allocations that live until exit are not ours.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:strict_string_checks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j2
