# Shared by the benchmarks that run the real program on the real catalogue service: a temporary
# portable root with the files a first run leaves, the service on a port of its choosing, the
# program (offscreen, tracing what it shows) and the memory of a process tree. Source it after
# setting BUILD_DIR; it cleans up on exit.

PROGRAM_DIR="$BUILD_DIR/portable/App/Nimbrisco"
SERVICE="$BUILD_DIR/catalogue-service/nimbrisco-catalogue"
ROOT=$(mktemp -d)
WORK="$ROOT/Data/Nimbrisco7_Work"
SERVICE_PID=
SERVICE_PORT=
PROGRAM_PID=
cleanup() {
    [ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID" 2>/dev/null
    [ -n "$SERVICE_PID" ] && kill "$SERVICE_PID" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$ROOT"
}
trap cleanup EXIT

# prepare_root <download minutes> <slide seconds>
prepare_root() {
    # The program finds its root from its own path: a hard link or a copy, not a symbolic link.
    mkdir -p "$ROOT/App/Nimbrisco" "$WORK"
    ln "$PROGRAM_DIR/nimbrisco" "$ROOT/App/Nimbrisco/" 2>/dev/null ||
        cp "$PROGRAM_DIR/nimbrisco" "$ROOT/App/Nimbrisco/"
    cp "$PROGRAM_DIR/pic_not_available.gif" "$PROGRAM_DIR/Nimbrisco.html" "$ROOT/App/Nimbrisco/"
    printf '%s\r\n%s\r\nFull_Screen\r\n\r\n\r\n' "$1" "$2" > "$WORK/Nimbrisco7_Config.dat"
    "$(dirname "${BASH_SOURCE[0]}")/../tools/first-run-answers.sh" "$WORK"
}

start_service() {
    "$SERVICE" --port 0 --quiet --log "$ROOT/service.log" 2> "$ROOT/service.err" &
    SERVICE_PID=$!
    for _ in $(seq 100); do
        grep -q "catalogue at" "$ROOT/service.err" && break
        kill -0 "$SERVICE_PID" 2>/dev/null || { cat "$ROOT/service.err" >&2; exit 1; }
        sleep 0.1
    done
    SERVICE_PORT=$(sed -n 's|.*catalogue at http://[^:]*:\([0-9]*\)/.*|\1|p' "$ROOT/service.err")
    [ -n "$SERVICE_PORT" ] || { cat "$ROOT/service.err" >&2; exit 1; }
}

start_program() {
    (cd "$ROOT" && QT_QPA_PLATFORM=offscreen NIMBRISCO_TRACE=1 \
        exec App/Nimbrisco/nimbrisco "-LOCALHOST:$SERVICE_PORT" 2> "$ROOT/program.err") &
    PROGRAM_PID=$!
}

# wait_first_picture <seconds>
wait_first_picture() {
    for ((t = 0; t < $1 * 10; t++)); do
        grep -q "picture shown" "$ROOT/program.err" && return 0
        kill -0 "$PROGRAM_PID" 2>/dev/null || { tail "$ROOT/program.err" >&2; exit 1; }
        sleep 0.1
    done
    echo "no picture within $1 s" >&2
    exit 1
}

# The pids of a process and of everything below it.
tree_pids() {
    local queue=$1 next p c
    echo "$1"
    while [ -n "$queue" ]; do
        next=
        for p in $queue; do
            for c in $(cat /proc/"$p"/task/*/children 2>/dev/null); do
                echo "$c"
                next="$next $c"
            done
        done
        queue=$next
    done
}

# "<processes> <rss kB> <pss kB>" of a process tree: RSS counts a page shared by two processes
# twice, PSS shares it out, so that the tree's PSS is what it holds of the machine's memory.
tree_memory() {
    local n=0 rss=0 pss=0 p r s
    for p in $(tree_pids "$1"); do
        r=$(awk '/^Rss:/ {print $2}' /proc/"$p"/smaps_rollup 2>/dev/null) || continue
        s=$(awk '/^Pss:/ {print $2}' /proc/"$p"/smaps_rollup 2>/dev/null) || continue
        [ -n "$r" ] || continue
        n=$((n + 1)) rss=$((rss + r)) pss=$((pss + s))
    done
    echo "$n $rss $pss"
}

# Open file descriptors of a process.
open_files() {
    ls /proc/"$1"/fd 2>/dev/null | wc -l
}
