#!/usr/bin/env bash
# Peak memory of brimlock.exe under Wine with a huge list file: a first line
# "Brimlock", which closes the program at its first sweep, then one line that
# fills the file to the size given (256 MiB by default). Polls the peak
# resident memory (VmHWM) of the Wine process until it has exited, checks
# that the file is unchanged, and prints the peak beside the goal of
# 1.5 x the file + 64 MiB, and beside the same run with the first line alone.
#   bench/list_file_memory.sh [MiB]
set -euo pipefail
cd "$(dirname "$0")/.."
export BRIMLOCK_ROOT="$PWD"
mib="${1:-256}"

scripts/setup >/dev/null
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
scripts/build mingw --target brimlock >/dev/null
source scripts/wine-env
folder=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$folder"' EXIT
exe="$PWD/build/mingw/bin/brimlock.exe"

# Runs brimlock.exe in $folder and prints its peak resident memory in KiB.
peak_kib() {
    (cd "$folder" && exec wine "$exe") &
    local pid=$! peak=0 now
    while kill -0 "$pid" 2>/dev/null; do
        now=$(sed -n 's/^VmHWM:\s*\([0-9]*\) kB/\1/p' "/proc/$pid/status" 2>/dev/null || true)
        [ -n "$now" ] && [ "$now" -gt "$peak" ] && peak=$now
        sleep 0.02
    done
    wait "$pid" || true
    echo "$peak"
}

printf 'Brimlock\r\n' >"$folder/brimlock.ini"
small=$(peak_kib)

size=$((mib * 1024 * 1024))
{ printf 'Brimlock\r\n'; head -c $((size - 12)) /dev/zero | tr '\0' x; printf '\r\n'; } \
    >"$folder/brimlock.ini"
before=$(sha256sum <"$folder/brimlock.ini")
large=$(peak_kib)
[ "$before" = "$(sha256sum <"$folder/brimlock.ini")" ] ||
    { echo "the list file was changed" >&2; exit 1; }

awk -v small="$small" -v large="$large" -v mib="$mib" 'BEGIN {
    goal = 1.5 * mib + 64
    printf "list file of %d MiB, one line past \"Brimlock\" (file unchanged)\n", mib
    printf "peak with the first line alone: %7.1f MiB\n", small / 1024
    printf "peak with the whole file:       %7.1f MiB\n", large / 1024
    printf "goal, 1.5 x the file + 64 MiB:  %7.1f MiB (peak / goal = %.2f)\n", goal, large / 1024 / goal
}'
