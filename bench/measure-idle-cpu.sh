#!/usr/bin/env bash
# CPU use of the running program during its slideshow: starts the catalogue service on its demo
# catalogue and the program (offscreen) in a temporary portable root, waits until the first
# fetch pass is done and the first picture is shown, then samples the program's user and
# system time over a minute and prints it as a share of one core.
#
#   bench/measure-idle-cpu.sh [build-dir]        (NIMBRISCO_SAMPLE_SECONDS, default 60)
set -euo pipefail
BUILD_DIR=$(cd "${1:-build}" && pwd)
SAMPLE_SECONDS=${NIMBRISCO_SAMPLE_SECONDS:-60}
PROGRAM_DIR="$BUILD_DIR/portable/App/Nimbrisco"
SERVICE="$BUILD_DIR/catalogue-service/nimbrisco-catalogue"
# "-LOCALHOST" keeps the default port of the service.
PORT=8377
FIRST_PASS_SECONDS=180

ROOT=$(mktemp -d)
SERVICE_PID=
PROGRAM_PID=
cleanup() {
    [ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID" 2>/dev/null
    [ -n "$SERVICE_PID" ] && kill "$SERVICE_PID" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$ROOT"
}
trap cleanup EXIT

# The program finds its root from its own path: a hard link or a copy, not a symbolic link.
mkdir -p "$ROOT/App/Nimbrisco"
ln "$PROGRAM_DIR/nimbrisco" "$ROOT/App/Nimbrisco/" 2>/dev/null ||
    cp "$PROGRAM_DIR/nimbrisco" "$ROOT/App/Nimbrisco/"
cp "$PROGRAM_DIR/pic_not_available.gif" "$PROGRAM_DIR/Nimbrisco.html" "$ROOT/App/Nimbrisco/"

# What a first run leaves once its questions are answered.
WORK="$ROOT/Data/Nimbrisco7_Work"
mkdir -p "$WORK"
printf ' 1' > "$WORK/Nimbrisco7_Language.dat"
printf '\r\n\r\n\r\n\r\n0\r\n' > "$WORK/Nimbrisco7_Proxy.dat"
chmod 600 "$WORK/Nimbrisco7_Proxy.dat"
printf '15\r\n8\r\nFull_Screen\r\n\r\n\r\n' > "$WORK/Nimbrisco7_Config.dat"
printf '0\r\n1\r\n1\r\n2\r\n2\r\n3\r\n3\r\n4\r\n\r\n\r\n' > "$WORK/Nimbrisco7_Picture_List.dat"

"$SERVICE" --port "$PORT" --quiet --log "$ROOT/service.log" 2> "$ROOT/service.err" &
SERVICE_PID=$!
for _ in $(seq 100); do
    grep -q "catalogue at" "$ROOT/service.err" && break
    kill -0 "$SERVICE_PID" 2>/dev/null || { cat "$ROOT/service.err" >&2; exit 1; }
    sleep 0.1
done

(cd "$ROOT" && QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 NIMBRISCO_TRACE=1 \
    exec App/Nimbrisco/nimbrisco -LOCALHOST 2> "$ROOT/program.err") &
PROGRAM_PID=$!
for ((t = 0; t < FIRST_PASS_SECONDS * 10; t++)); do
    grep -q "picture shown" "$ROOT/program.err" && break
    kill -0 "$PROGRAM_PID" 2>/dev/null || { tail "$ROOT/program.err" >&2; exit 1; }
    sleep 0.1
done
grep -q "picture shown" "$ROOT/program.err" || { echo "no picture within ${FIRST_PASS_SECONDS}s" >&2; exit 1; }

# utime + stime in clock ticks of a process; the name field may hold blanks, so the count
# starts after its closing parenthesis.
ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'; }
# The same summed over the browser engine's helper processes below the program.
helper_ticks() {
    local sum=0 child
    for child in $(pgrep -P "$PROGRAM_PID" || true); do
        sum=$((sum + $(ticks "$child")))
    done
    echo "$sum"
}

HZ=$(getconf CLK_TCK)
START=$(ticks "$PROGRAM_PID")
START_HELPERS=$(helper_ticks)
SHOWN_BEFORE=$(grep -c "picture shown" "$ROOT/program.err")
sleep "$SAMPLE_SECONDS"
END=$(ticks "$PROGRAM_PID")
END_HELPERS=$(helper_ticks)
SHOWN=$(($(grep -c "picture shown" "$ROOT/program.err") - SHOWN_BEFORE))

awk -v t=$((END - START)) -v h=$((END_HELPERS - START_HELPERS)) -v hz="$HZ" \
    -v s="$SAMPLE_SECONDS" -v n="$SHOWN" 'BEGIN {
    printf "pictures shown in %d s: %d\n", s, n
    printf "program: %.2f%% of one core\n", 100 * t / hz / s
    printf "browser engine helpers: %.2f%% of one core\n", 100 * h / hz / s
}'
