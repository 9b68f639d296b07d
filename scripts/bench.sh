#!/usr/bin/env bash
# Measures the real PBW.exe beside the benchmark's own baseline programs (bench/), side by side in one
# run under the same Wine with a persistent wineserver, and prints one table of medians and the
# machine it ran on. The checks go to a native POP3 server (bench/timing_server.py) that times each
# session from accept on: what Wine would spend serving them falls on neither client. Figures only:
# this is no pass/fail test. It measures the 32-bit build where the machine runs 32-bit programs, the
# 64-bit one elsewhere (or with PBW_NO_32BIT=1), and says which.
#
#   scripts/bench.sh [repetitions, default 5] [idle seconds, default 60] [PBW.exe to measure, default this build's]
#
# It runs in a network and mount namespace of its own: its loopback ports (Dovecot's 995 among them)
# are its own, and its name server is a silent one on 127.0.0.1, so that looking up a name that is
# not in /etc/hosts hangs. The machine's own network and resolver are left alone.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

source scripts/wine-session.sh
windows_build=$(runnable_windows_build)
if [ -z "${PBW_BENCH_NAMESPACE:-}" ]; then
  scripts/install-deps.sh
  scripts/build.sh --quiet "$windows_build"
  exec env PBW_BENCH_NAMESPACE=1 unshare --mount --net -- bash "$0" "$@"
fi
ip link set lo up
build=${PBW_BUILD_ROOT:-$root/build}/$windows_build

resolver=$(mktemp)
silent_name_server=
timing_server=
dovecot_state="$build/tests/support/dovecot/state"
finish() {
  [ -n "${WINE_SESSION_DIR:-}" ] && wine_session_stop
  bash tests/support/dovecot/dovecot-fixture.sh stop "$dovecot_state" >/dev/null 2>&1 || true
  [ -n "$silent_name_server" ] && kill "$silent_name_server" 2>/dev/null
  [ -n "$timing_server" ] && kill "$timing_server" 2>/dev/null
  rm -f "$resolver"
}
trap finish EXIT

printf 'nameserver 127.0.0.1\noptions timeout:30 attempts:1\n' >"$resolver"
mount --bind "$resolver" /etc/resolv.conf
# Takes every question and never answers.
perl -MIO::Socket::INET -e 'IO::Socket::INET->new(LocalAddr => "127.0.0.1:53", Proto => "udp") or die "no port 53: $!\n"; sleep' &
silent_name_server=$!

exec {timing_ports}< <(exec python3 bench/timing_server.py)
timing_server=$!
read -r session_port report_port <&"$timing_ports"

bash tests/support/dovecot/dovecot-fixture.sh start "$dovecot_state" >/dev/null
wine_session_start "$windows_build"
trap finish EXIT

echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(nproc) cores," \
  "$(awk '/MemTotal/ {printf "%.1f GB", $2 / 1048576}' /proc/meminfo), $(uname -sr), $("$PBW_WINE" --version)," \
  "load average $(cut -d' ' -f1-3 /proc/loadavg) at start"
# Wine starts every program with the Unix standard output of its parent: the table comes through a file.
table=$(mktemp)
echo "Measured: PBW.exe of the $windows_build build"
"$PBW_WINE" "$build/bench/pbw_bench.exe" "$session_port" "$report_port" "${1:-5}" "${2:-60}" ${3:+"$3"} >"$table" </dev/null
cat "$table"
rm -f "$table"
echo "Load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
