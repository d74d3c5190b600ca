#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test; then the animated-GIF component's tests
# once more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
BUILD_DIR=${NIMBRISCO_BUILD_DIR:-build}
NIMBRISCO_BUILD_DIR=$BUILD_DIR tools/build.sh -DNIMBRISCO_BUILD_TESTS=ON
# The libraries must stay layered: a cycle between them fails the run.
tools/check-layers.sh "$BUILD_DIR"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD_DIR" --output-on-failure --timeout 600 -j "$(nproc)"
if [ -x tools/run-anigif-sanitized.sh ]; then
    tools/run-anigif-sanitized.sh "$BUILD_DIR-asan"
fi
