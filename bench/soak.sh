#!/usr/bin/env bash
# A soak of the running program in real time: the real program on the real catalogue service's
# demo catalogue, one second per picture, a download pass every 15 minutes (the shortest the
# program allows), for NIMBRISCO_SOAK_PASSES passes (default 5, the first one included: about an hour). Every
# NIMBRISCO_SOAK_SAMPLE seconds (default 10) it samples the resident memory of the whole process
# tree (the program and the browser engine's processes, RSS and PSS), the program's open file
# descriptors and the pictures shown so far. It prints the samples, the figures a minute after
# each pass ended (between passes), and their growth from the second pass to the last.
#
#   bench/soak.sh [build-dir]
set -euo pipefail
BUILD_DIR=$(cd "${1:-build}" && pwd)
PASSES=${NIMBRISCO_SOAK_PASSES:-5}
SAMPLE=${NIMBRISCO_SOAK_SAMPLE:-10}
# Measured this long after a pass ended, when the program has settled between passes.
SETTLE=60
. "$(dirname "$0")/run-support.sh"

prepare_root 15 1
start_service
start_program
wait_first_picture 180

passes() { grep -c "fetch pass ended" "$ROOT/program.err" || true; }
shown() { grep -c "picture shown" "$ROOT/program.err" || true; }
SAMPLES="$ROOT/samples"
START=$SECONDS
echo "seconds passes shown processes rss_kB pss_kB fds" | tee "$SAMPLES"
declare -A BETWEEN
pass_ended_at=$SECONDS
last_passes=$(passes)
while :; do
    kill -0 "$PROGRAM_PID" 2>/dev/null || { echo "the program ended" >&2; tail "$ROOT/program.err" >&2; exit 1; }
    now_passes=$(passes)
    if [ "$now_passes" != "$last_passes" ]; then
        pass_ended_at=$SECONDS
        last_passes=$now_passes
    fi
    read -r n rss pss < <(tree_memory "$PROGRAM_PID")
    fds=$(open_files "$PROGRAM_PID")
    line="$((SECONDS - START)) $now_passes $(shown) $n $rss $pss $fds"
    echo "$line" | tee -a "$SAMPLES"
    # The first sample a minute or more after a pass ended stands for the time between passes.
    if [ -z "${BETWEEN[$now_passes]:-}" ] && ((SECONDS - pass_ended_at >= SETTLE)); then
        BETWEEN[$now_passes]=$line
        if ((now_passes >= PASSES)); then
            break
        fi
    fi
    sleep "$SAMPLE"
done

echo
echo "between passes (a minute after each pass ended):"
echo "pass shown processes rss_MB pss_MB fds"
for ((p = 1; p <= PASSES; p++)); do
    [ -n "${BETWEEN[$p]:-}" ] || continue
    read -r _ _ s n rss pss fds <<< "${BETWEEN[$p]}"
    awk -v p="$p" -v s="$s" -v n="$n" -v r="$rss" -v q="$pss" -v f="$fds" \
        'BEGIN { printf "%d %d %d %.1f %.1f %d\n", p, s, n, r / 1024, q / 1024, f }'
done
read -r _ _ _ _ rss2 pss2 fds2 <<< "${BETWEEN[2]}"
read -r _ _ _ _ rssN pssN fdsN <<< "${BETWEEN[$PASSES]}"
awk -v a="$rss2" -v b="$rssN" -v c="$pss2" -v d="$pssN" -v e="$fds2" -v f="$fdsN" -v n="$PASSES" \
    'BEGIN { printf "growth from pass 2 to pass %d: RSS %+.1f%%, PSS %+.1f%%, file descriptors %+d\n",
             n, 100 * (b - a) / a, 100 * (d - c) / c, f - e }'
