#!/bin/sh
# The ten-million-row run, by hand and never in CI: the names made by tervala_gendata, then start-up, "ALL"
# beside its floor (five runs in turns; offscreen, then under Xvfb where xvfb-run is there) and peak memory after
# "ALL", each on that one file, with the load average before and after. It takes about a quarter of an hour and
# 2 GB below $TERVALA_BENCH_DIR (or /dev/shm).
# Run from the repository root: bench/run_ten_million.sh [build folder, build-bench by default]
set -eu
build=${1:-build-bench}
work=$(mktemp -d "${TERVALA_BENCH_DIR:-/dev/shm}/tervala-10m-XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
uptime
echo "generation of 10,000,000 names:"
/usr/bin/time -f "%e s" "$build/bench/tervala_gendata" 10000000 "$work/data"
ls -l "$work/data/ter.va"
uptime
"$build/bench/bench_startup" "$work/data/ter.va"
uptime
"$build/bench/bench_list_rebuild" --runs 5 "$work/data/ter.va"
uptime
if command -v xvfb-run > /dev/null; then
    echo "the same under X11 (Xvfb):"
    xvfb-run -a env QT_QPA_PLATFORM=xcb "$build/bench/bench_list_rebuild" --runs 5 "$work/data/ter.va"
    uptime
fi
"$build/bench/bench_memory" "$work/data/ter.va"
uptime
