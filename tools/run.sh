#!/usr/bin/env bash
# Installs what is needed, builds, and starts Nimbrisco on this machine's catalogue service.
# Without a display it runs under a virtual one.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
NIMBRISCO_BUILD_DIR=${NIMBRISCO_BUILD_DIR:-build} tools/build.sh -DNIMBRISCO_BUILD_TESTS=OFF
BUILD_DIR=${NIMBRISCO_BUILD_DIR:-build}
PROGRAM="$BUILD_DIR/portable/App/Nimbrisco/nimbrisco"
SERVICE="$BUILD_DIR/catalogue-service/nimbrisco-catalogue"
if [ -x "$SERVICE" ]; then
    "$SERVICE" &
    SERVICE_PID=$!
    trap 'kill $SERVICE_PID 2>/dev/null || true' EXIT
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    xvfb-run -a -s "-screen 0 1920x1080x24" "$PROGRAM" -LOCALHOST "$@"
else
    "$PROGRAM" -LOCALHOST "$@"
fi
