#!/bin/sh
# Runs the GIF fuzzer for the given number of seconds (default 600). The working corpus and
# any crash files stay under /tmp; the seeds are read from the shared GIF corpus.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
seconds=${1:-600}
build=${FUZZ_BUILD:-/tmp/nimbrisco-fuzz-build}
work=${FUZZ_WORK:-/tmp/nimbrisco-fuzz}
seeds=${FUZZ_SEEDS:-$here/../../shared/gif-corpus}

"$here/build.sh" "$build" >/dev/null
mkdir -p "$work/corpus" "$work/seeds" "$work/artifacts"
# libFuzzer reads seed folders flat: link every corpus GIF into one folder.
find "$seeds" -name '*.gif' -type f | while read -r f; do
    ln -sf "$f" "$work/seeds/$(echo "$f" | sed 's#[/ ]#_#g')"
done
cd "$work"
exec env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} \
    "$build/anigif_fuzz" "$work/corpus" "$work/seeds" \
    -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -max_len=65536 \
    -artifact_prefix="$work/artifacts/" -print_final_stats=1
