#!/usr/bin/env bash
# Builds the Debian packages and checks them as a Debian 12 machine meets them: apt installs them,
# an ordinary user without a display starts `nimbrisco` on a `nimbrisco-catalogue` of their own,
# and the program makes that user's data in their home and shows its first picture; removing the
# packages leaves the data alone. Needs root.
#
#   tools/check-deb.sh            on this machine (installs and removes the packages, adds the
#                                 user nimbrisco-check)
#   tools/check-deb.sh --bare     before installing, purges every package the build brought in,
#                                 so that apt installs the packages on what a bare system has.
#                                 Only for a throwaway system, e.g.
#   /work/shared/tools/try-fresh-debian.sh "bash tools/check-deb.sh --bare"
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "check-deb: needs root (apt, a second user)" >&2; exit 2; }
bare=0
[ "${1:-}" = "--bare" ] && bare=1
export DEBIAN_FRONTEND=noninteractive
BUILD_DIR=${NIMBRISCO_BUILD_DIR:-build-deb}
CHECK_USER=nimbrisco-check
SECONDS=0
phase() { printf 'check-deb: [%4ss] %s\n' "$SECONDS" "$*"; }
fail() { printf 'check-deb: FAILED: %s\n' "$*" >&2; exit 1; }

before=$(dpkg-query -W -f='${Package}\n' | sort)
phase "installing the build's packages and building"
tools/install-deps.sh >/dev/null
NIMBRISCO_BUILD_DIR=$BUILD_DIR tools/build.sh -DNIMBRISCO_BUILD_TESTS=OFF >/dev/null
rm -f "$BUILD_DIR"/*.deb
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
debs=("$BUILD_DIR"/nimbrisco_*.deb "$BUILD_DIR"/nimbrisco-catalogue_*.deb)
for deb in "${debs[@]}"; do
    [ -f "$deb" ] || fail "no package $deb"
    echo "$(basename "$deb"): Depends: $(dpkg-deb -f "$deb" Depends)"
done

if [ $bare -eq 1 ]; then
    phase "purging what the build brought in"
    mapfile -t added < <(comm -13 <(echo "$before") <(dpkg-query -W -f='${Package}\n' | sort))
    [ ${#added[@]} -eq 0 ] || apt-get purge -y -q "${added[@]}" >/dev/null
    apt-get autoremove --purge -y -q >/dev/null
fi

phase "apt install ${debs[*]##*/}"
apt-get install -y -q "${debs[@]/#/./}" > "$BUILD_DIR/check-deb-apt.log" 2>&1 ||
    { tail -20 "$BUILD_DIR/check-deb-apt.log"; fail "apt install"; }
grep -E '^(Setting up|E:|W:)' "$BUILD_DIR/check-deb-apt.log" | grep -c '^Setting up' |
    sed 's/^/check-deb: packages set up: /'
command -v nimbrisco >/dev/null || fail "no nimbrisco command"
command -v nimbrisco-catalogue >/dev/null || fail "no nimbrisco-catalogue command"
[ -f /usr/lib/systemd/system/nimbrisco-catalogue.service ] || fail "no system unit"
[ ! -e /etc/systemd/system/multi-user.target.wants/nimbrisco-catalogue.service ] ||
    fail "the catalogue service is enabled"

id "$CHECK_USER" >/dev/null 2>&1 || useradd -m -s /bin/sh "$CHECK_USER"
home=$(getent passwd "$CHECK_USER" | cut -d: -f6)
run_dir=$(mktemp -d)
chmod 777 "$run_dir"
service_pid="" program_pid=""
cleanup() {
    for pid in $program_pid $service_pid; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$run_dir"
}
trap cleanup EXIT
# A clean environment without a display. The browser engine's sandbox needs user namespaces,
# which the kernel refuses inside a chroot such as the fresh-Debian check's, so it is off here.
as_user() {
    runuser -u "$CHECK_USER" -- env -i HOME="$home" USER="$CHECK_USER" PATH=/usr/bin:/bin \
        QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 NIMBRISCO_TRACE=1 "$@"
}
# Waits (at most $2 seconds) until file $1 holds the text $3.
wait_for() {
    local deadline=$((SECONDS + $2))
    until grep -q "$3" "$1" 2>/dev/null; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 1
    done
}

phase "as $CHECK_USER: nimbrisco-catalogue --port 0"
as_user sh -c 'echo $$ > "$1/service.pid"; exec nimbrisco-catalogue --port 0 --quiet 2> "$1/service.err"' \
    service "$run_dir" &
wait_for "$run_dir/service.err" 30 "catalogue at" || fail "the service did not start: $(cat "$run_dir/service.err")"
service_pid=$(cat "$run_dir/service.pid")
port=$(sed -n 's|.*catalogue at http://[^:]*:\([0-9]*\)/.*|\1|p' "$run_dir/service.err")
cat "$run_dir/service.err"

phase "as $CHECK_USER: the first-run answers, then nimbrisco -LOCALHOST:$port"
root=$(as_user nimbrisco --prepare)
as_user bash "$PWD/tools/first-run-answers.sh" "$root/Data/Nimbrisco7_Work"
as_user sh -c 'echo $$ > "$1/program.pid"; exec nimbrisco "-LOCALHOST:$2" 2> "$1/program.err"' \
    program "$run_dir" "$port" &
sleep 1
program_pid=$(cat "$run_dir/program.pid" 2>/dev/null || true)
wait_for "$run_dir/program.err" 240 "nimbrisco: picture shown: " ||
    { tail -20 "$run_dir/program.err"; fail "no picture shown within 240 s"; }
phase "$(grep -m1 "nimbrisco: picture shown: " "$run_dir/program.err")"
kill -TERM "$program_pid"
for _ in $(seq 30); do kill -0 "$program_pid" 2>/dev/null || break; sleep 1; done
kill -0 "$program_pid" 2>/dev/null && fail "the program did not end on SIGTERM"
program_pid=""

work="$root/Data/Nimbrisco7_Work"
[ "$root" = "$home/.local/share/nimbrisco" ] || fail "the root is $root, not in $home"
[ -f "$root/App/Nimbrisco/nimbrisco" ] && [ ! -L "$root/App/Nimbrisco/nimbrisco" ] ||
    fail "no private program copy"
[ -s "$work/Nimbrisco7_Img.jpg" ] || fail "no downloaded picture in $work"
[ "$(stat -c %U "$work")" = "$CHECK_USER" ] || fail "$work does not belong to $CHECK_USER"
echo "check-deb: $CHECK_USER's data:"
find "$root" -maxdepth 3 | sed "s|^$home|~|" | sort

phase "apt remove nimbrisco nimbrisco-catalogue"
apt-get purge -y -q nimbrisco nimbrisco-catalogue >/dev/null
[ ! -e /usr/bin/nimbrisco ] || fail "/usr/bin/nimbrisco is still there"
[ -s "$work/Nimbrisco7_Img.jpg" ] && [ -f "$work/Nimbrisco7_Config.dat" ] ||
    fail "removing the packages touched the user's data"
phase "passed: installed, first picture shown, data kept after removal"
