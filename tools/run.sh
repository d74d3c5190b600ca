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

# No display: answer the first-run questions with files. The selection adds the two animated
# entries at the end of the demo catalogue: the radar loop under an upper-case ".GIF" name and an
# animated source that serves a PNG.
tools/first-run-answers.sh "$BUILD_DIR/portable/Data/Nimbrisco7_Work" "10 11 11 12"
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

# The panel tour, on the same selection; the language file is put back afterwards.
LANGUAGE_FILE="$BUILD_DIR/portable/Data/Nimbrisco7_Work/Nimbrisco7_Language.dat"
SAVED_LANGUAGE=$(cat "$LANGUAGE_FILE")
for tour in "en 1" "it 2"; do
    set -- $tour
    printf ' %s' "$2" > "$LANGUAGE_FILE"
    timeout 600 xvfb-run -a -s "-screen 0 1920x1080x24" \
        "$BUILD_DIR/tools/panel-tour/nimbrisco-panel-tour" "$(dirname "$PROGRAM")" "$SHOTS" "$1" \
        > /dev/null || echo "The panel tour in $1 did not finish."
done
printf '%s' "$SAVED_LANGUAGE" > "$LANGUAGE_FILE"
echo "$(ls "$SHOTS" | grep -c "\.png$") screenshots in $SHOTS"
