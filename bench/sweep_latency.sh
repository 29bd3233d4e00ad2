#!/usr/bin/env bash
# How long the real brimlock.exe takes to answer a click under Wine: with no
# sweep under way, and while a sweep's close commands go to three programs
# that each take 1.5 s over them (bench/sweep_latency_wine.cpp). Each figure
# is the median of a few runs; the last line compares them.
#   bench/sweep_latency.sh [RUNS]     (default 5)
set -euo pipefail
cd "$(dirname "$0")/.."
export BRIMLOCK_ROOT="$PWD"

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

scripts/build mingw >/dev/null
source scripts/wine-env
trap 'wineserver -k 2>/dev/null || true' EXIT
wine build/mingw/bin/sweep_latency_wine.exe "${1:-5}" | tr -d '\r'
