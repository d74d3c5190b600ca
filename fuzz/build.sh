#!/bin/sh
# Builds the libFuzzer target with clang into $1 (default /tmp/nimbrisco-fuzz-build).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-/tmp/nimbrisco-fuzz-build}
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C "$build" -j2 anigif_fuzz
echo "$build/anigif_fuzz"
