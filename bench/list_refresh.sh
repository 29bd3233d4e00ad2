#!/usr/bin/env bash
# Refilling a visible sorted list box of 1,000 rows of 255 bytes under Wine,
# as the main window's list is rebuilt: plain (reset, then one add per row)
# against the same refill with the control's redraw switched off around it,
# both in one run of bench/list_refresh_wine.cpp. Each time lasts until the
# list box has repainted. Prints both times and their ratio.
#   bench/list_refresh.sh [REDRAW-OFF-REFILLS]     (default 5; the median counts)
set -euo pipefail
cd "$(dirname "$0")/.."
export BRIMLOCK_ROOT="$PWD"
refills="${1:-5}"

scripts/setup >/dev/null
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

scripts/build mingw >/dev/null
source scripts/wine-env
results=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$results"' EXIT

output="$results/list_refresh.txt"
wine build/mingw/bin/list_refresh_wine.exe "$(winepath -w "$output")" "$refills"
[ -f "$output" ] || { echo "the measurement wrote no figures" >&2; exit 1; }

awk '
    { value[$1] = $2 }
    END {
        print "Refilling a visible sorted list box, 1,000 rows of 255 bytes, under Wine"
        printf "plain refill:                 %8.1f ms\n", value["plain"] * 1000
        printf "redraw off around the refill: %8.1f ms (median)\n", value["redraw-off"] * 1000
        fast = value["redraw-off"] + 0
        if (fast < 0.000001) fast = 0.000001  # timer resolution guard
        printf "ratio (plain / redraw off): %.0fx\n", value["plain"] / fast
        if (value["same-rows"] + 0 != 1) {  # the file has CR LF line ends
            print "the refills did not all leave the same rows with none selected" > "/dev/stderr"
            exit 1
        }
    }' "$output"
