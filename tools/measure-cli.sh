#!/usr/bin/env bash
# The speed figures of kortools-calc, measured on this machine:
#   - the benchmark: one link entry (typed frequency to recomputed C/N), and a million-point
#     link sweep written as CSV within the process;
#   - the same sweep as a user runs it, to /dev/null;
#   - the median time from start to exit of `kortools-calc link` over 50 runs.
#
#   tools/measure-cli.sh [build directory, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" -j 2 --target kortools-calc bench_calc >/dev/null
calc="$build/kortools-calc"

echo "== Benchmark"
"$build/bench_calc"

# Times from bash's own clock ($EPOCHREALTIME without its point is in microseconds): $(date)
# would add the start of another process to every figure.

echo "== kortools-calc link --sweep frequency=1:1000000:1 > /dev/null"
start=$EPOCHREALTIME
"$calc" link --sweep frequency=1:1000000:1 >/dev/null
end=$EPOCHREALTIME
echo "$(( (${end/[.,]/} - ${start/[.,]/}) / 1000 )) ms"

echo "== kortools-calc link, start to exit, median of 50 runs"
times=()
for _ in $(seq 50); do
    start=$EPOCHREALTIME
    "$calc" link >/dev/null
    end=$EPOCHREALTIME
    times+=($(( ${end/[.,]/} - ${start/[.,]/} )))
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 25p)
echo "$median us"
