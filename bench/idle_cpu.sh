#!/usr/bin/env bash
# Idle cost of an open dialog under Wine. bench/idle_dialog_wine.cpp keeps a
# dialog open with a 100 ms timer that writes a label, run once by the
# services' modal loop and once by the polling loop it replaced (PeekMessage,
# Sleep 1 ms when empty), for the same wall time each. Prints the CPU time of
# each process (its own GetProcessTimes), the wineserver's CPU time during
# each run (read from /proc), and the ratios.
#   bench/idle_cpu.sh [SECONDS]     (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."
export BRIMLOCK_ROOT="$PWD"
seconds="${1:-20}"

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

scripts/build mingw >/dev/null
source scripts/wine-env
exe=build/mingw/bin/idle_dialog_wine.exe
results=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$results"' EXIT

# The wineserver of this prefix works in a folder server-DEV-INODE (under
# /tmp), named after the prefix folder; that finds it among other prefixes'
# servers.
wineserver -p
wine cmd /c exit >/dev/null 2>&1 || true
server_dir=$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
server_pid=""
for proc in /proc/[0-9]*; do
    cwd=$(readlink "$proc/cwd" 2>/dev/null || true)
    if [ "${cwd##*/}" = "$server_dir" ]; then
        server_pid=${proc#/proc/}
    fi
done
[ -n "$server_pid" ] || echo "wineserver not found: its CPU time counts as 0" >&2
ticks_per_second=$(getconf CLK_TCK)
server_ticks() {
    if [ -n "$server_pid" ] && [ -r "/proc/$server_pid/stat" ]; then
        # utime and stime, the 14th and 15th fields (after the command in parentheses).
        sed 's/^.*) //' "/proc/$server_pid/stat" | awk '{print $12 + $13}'
    else
        echo 0
    fi
}

# Waits (bounded) for a file the program writes.
wait_for_file() {
    local deadline=$((SECONDS + $2))
    while [ ! -f "$1" ]; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.01
    done
}

# The wineserver's time is read when the program starts and ends its run, so
# that starting and ending the process do not count.
for mode in services reference; do
    output="$results/$mode.txt"
    wine "$exe" "$mode" "$seconds" "$(winepath -w "$output")" &
    program=$!
    wait_for_file "$output.started" 60 || { echo "$mode run did not start" >&2; exit 1; }
    before=$(server_ticks)
    wait_for_file "$output" $((seconds + 60)) || { echo "$mode run did not end" >&2; exit 1; }
    after=$(server_ticks)
    wait "$program"
    echo "$(( after - before ))" >"$results/$mode.server"
done

read -r _ services_cpu services_wall services_ticks <"$results/services.txt"
read -r _ reference_cpu reference_wall reference_ticks <"$results/reference.txt"
services_server=$(awk -v t="$(cat "$results/services.server")" -v hz="$ticks_per_second" \
    'BEGIN {printf "%.3f", t / hz}')
reference_server=$(awk -v t="$(cat "$results/reference.server")" -v hz="$ticks_per_second" \
    'BEGIN {printf "%.3f", t / hz}')

echo "Idle dialog with a 100 ms timer, ${seconds} s each under Wine"
printf '%-10s process CPU %8.3f s  wineserver CPU %8.3f s  wall %7.3f s  ticks %s\n' \
    services "$services_cpu" "$services_server" "$services_wall" "$services_ticks" \
    reference "$reference_cpu" "$reference_server" "$reference_wall" "$reference_ticks"
awk -v s="$services_cpu" -v r="$reference_cpu" -v ss="$services_server" -v rs="$reference_server" \
    'BEGIN {
        floor = 0.001  # GetProcessTimes resolution guard
        printf "ratio (reference / services), process CPU: %.1fx\n", r / (s > floor ? s : floor)
        printf "ratio (reference / services), process + wineserver CPU: %.1fx\n", \
            (r + rs) / ((s + ss) > floor ? (s + ss) : floor)
    }'
