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
FIRST_PASS_SECONDS=180
. "$(dirname "$0")/run-support.sh"

prepare_root 15 8
start_service
start_program
wait_first_picture "$FIRST_PASS_SECONDS"

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
