#!/usr/bin/env bash
# Installs what is needed, builds, checks the desktop entry and the AppStream metadata, runs every
# test and makes the packages; then the animated-GIF component's tests once more under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
BUILD_DIR=${NIMBRISCO_BUILD_DIR:-build}
# The benchmarks are built too, so that they keep up with the code they measure.
NIMBRISCO_BUILD_DIR=$BUILD_DIR tools/build.sh -DNIMBRISCO_BUILD_TESTS=ON -DNIMBRISCO_BUILD_BENCH=ON
# The libraries must stay layered: a cycle between them fails the run.
tools/check-layers.sh "$BUILD_DIR"
tools/check-desktop-files.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD_DIR" --output-on-failure --timeout 600 -j "$(nproc)"
# The portable archive and the Debian packages can be made.
(cd "$BUILD_DIR" && cpack -G "TGZ;DEB" >/dev/null && ls -1 ./*.tar.gz ./*.deb)
if [ -x tools/run-anigif-sanitized.sh ]; then
    tools/run-anigif-sanitized.sh "$BUILD_DIR-asan"
fi
