#!/usr/bin/env bash
# The catalogue service under many screens: CONNECTIONS (default 200) connections over loopback
# ask for the catalogue and the demo pictures in turn for DURATION (default 30 s) with wrk;
# prints the requests per second and the latency percentiles.
#
#   bench/catalogue-service-load.sh [build dir] [service program]
# The second argument measures another build of the service (for example one of an older commit)
# under the same conditions.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=$(cd "${1:-build}" && pwd)
source bench/run-support.sh
[ -n "${2:-}" ] && SERVICE=$(readlink -f "$2")
CONNECTIONS=${CONNECTIONS:-200}
DURATION=${DURATION:-30}
command -v wrk >/dev/null || { echo "needs wrk (apt-get install wrk)" >&2; exit 1; }

start_service
# What a screen asks in a catalogue pass and a fetch pass, taken by each connection in turn.
cat > "$ROOT/requests.lua" <<'LUA'
local paths = {
    "/nimbrisco/catalogue?p=1&x00=x8888&x00=y3333Nimbrisco_7.8.12P",
    "/nimbrisco/catalogue?p=1&x00=x7777&x00=y3333Nimbrisco_7.8.12P",
    "/nimbrisco/catalogue?p=1&x00=y2222%5B_1_2_3_4_%5D&x00=y3333Nimbrisco_7.8.12P",
    "/demo/satellite.jpg",
    "/demo/radar.gif",
    "/demo/series/frame_001.jpg",
    "/demo/series/frame_002.jpg",
    "/demo/series/frame_003.jpg",
    "/demo/temperature.png",
    "/demo/pressure.gif",
    "/demo/forecast.html?town=Roma&place=Lazio",
}
local next = 0
request = function()
    next = next % #paths + 1
    return wrk.format("GET", paths[next])
end
LUA
if [ -n "${2:-}" ]; then
    echo "service: $SERVICE"
else
    echo "service: $SERVICE, built from $(git log -1 --format=%h 2>/dev/null || echo '?')"
fi
echo "$CONNECTIONS connections for $DURATION s on 127.0.0.1:$SERVICE_PORT"
# The timeout is above the slowest answer before the cache, so that slow answers are measured
# rather than dropped.
wrk -t 2 -c "$CONNECTIONS" -d "${DURATION}s" --timeout 30s --latency -s "$ROOT/requests.lua" \
    "http://127.0.0.1:$SERVICE_PORT" | tee "$ROOT/wrk.out"
echo "summary: $(sed -n 's/^Requests\/sec: *//p' "$ROOT/wrk.out") requests/s, 99th percentile $(
    awk '$1 == "99%" {print $2}' "$ROOT/wrk.out")"
