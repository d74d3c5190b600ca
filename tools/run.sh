#!/usr/bin/env bash
# Installs what is needed, builds, starts the catalogue service on its demo catalogue and starts
# Nimbrisco on it from the portable layout.
#
# With a display the program runs until you quit it. Without one it runs under a virtual
# display for NIMBRISCO_RUN_SECONDS (default 150): the first-run questions are answered by
# preparing the language and connection files (English, direct connection), and screenshots of
# the screen are saved every 5 seconds into <build>/screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
BUILD_DIR=${NIMBRISCO_BUILD_DIR:-build}
NIMBRISCO_BUILD_DIR=$BUILD_DIR tools/build.sh -DNIMBRISCO_BUILD_TESTS=OFF
BUILD_DIR=$(cd "$BUILD_DIR" && pwd)
PROGRAM="$BUILD_DIR/portable/App/Nimbrisco/nimbrisco"
SERVICE="$BUILD_DIR/catalogue-service/nimbrisco-catalogue"

"$SERVICE" --log "$BUILD_DIR/catalogue-service.log" &
SERVICE_PID=$!
cleanup() { kill "$SERVICE_PID" 2>/dev/null || true; }
trap cleanup EXIT

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    "$PROGRAM" -LOCALHOST "$@"
    exit 0
fi

# No display: answer the first-run questions with files, as a first run leaves them (without
# the settings the start would take itself for a first run and ask again), then watch the screen.
WORK="$BUILD_DIR/portable/Data/Nimbrisco7_Work"
mkdir -p "$WORK"
[ -f "$WORK/Nimbrisco7_Config.dat" ] || printf '15\r\n8\r\nFull_Screen\r\n\r\n\r\n' > "$WORK/Nimbrisco7_Config.dat"
# The first run's selection (positions 0 to 3) and the two animated entries at the end of the
# demo catalogue: the radar loop under an upper-case ".GIF" name and an animated source that
# serves a PNG.
[ -f "$WORK/Nimbrisco7_Picture_List.dat" ] ||
    printf '0\r\n1\r\n1\r\n2\r\n2\r\n3\r\n3\r\n4\r\n10\r\n11\r\n11\r\n12\r\n\r\n\r\n' \
        > "$WORK/Nimbrisco7_Picture_List.dat"
[ -f "$WORK/Nimbrisco7_Language.dat" ] || printf ' 1' > "$WORK/Nimbrisco7_Language.dat"
if [ ! -f "$WORK/Nimbrisco7_Proxy.dat" ]; then
    printf '\r\n\r\n\r\n\r\n0\r\n' > "$WORK/Nimbrisco7_Proxy.dat"
    chmod 600 "$WORK/Nimbrisco7_Proxy.dat"
fi
SHOTS="$BUILD_DIR/screenshots"
mkdir -p "$SHOTS"
SECONDS_TO_RUN=${NIMBRISCO_RUN_SECONDS:-150}
xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
    "$1" -LOCALHOST &
    PID=$!
    for ((t = 5; t <= $2; t += 5)); do
        sleep 5
        kill -0 $PID 2>/dev/null || break
        import -window root "$3/screen-$(printf %03d $t)s.png" 2>/dev/null || true
    done
    kill $PID 2>/dev/null || true
    wait $PID 2>/dev/null || true
' run-nimbrisco "$PROGRAM" "$SECONDS_TO_RUN" "$SHOTS"
echo "Screenshots in $SHOTS"
