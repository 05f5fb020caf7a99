#!/usr/bin/env bash
# Measures, on a private X server, how long KorTools takes from being started to showing its
# launcher, and its peak memory (VmHWM) with the launcher up, over several runs.
#
# Usage: tools/measure-startup.sh [path to kortools] [runs]
#   (defaults: build-release/kortools, 10 runs)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build-release/kortools}")
runs=${2:-10}
# shellcheck source=tests/e2e/x11.sh
. "$root/tests/e2e/x11.sh"

[ -x "$program" ] || { echo "measure-startup: no program at $program (build it with ./run.sh first)" >&2; exit 1; }

app_pid=
cleanup() {
    if [ -n "$app_pid" ]; then kill -9 "$app_pid" 2>/dev/null || true; fi
    stop_x
}
trap cleanup EXIT
start_x || { echo "measure-startup: Xvfb did not start" >&2; exit 1; }

# The first start pays for reading the program and Qt's libraries from disk; it is reported
# but left out of the averages, which describe an engineer's usual start.
times=()
peaks=()
for run in $(seq 0 "$runs"); do
    start=$(date +%s%N)
    QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
    app_pid=$!
    # Polled every 10 ms: xdotool's own --sync looks only every half second, which would be
    # most of what is measured.
    window=
    for _ in $(seq 2000); do
        window=$(xdotool search --onlyvisible --name '^KorTools$' 2>/dev/null | head -n1 || true)
        [ -n "$window" ] && break
        sleep 0.01
    done
    shown=$(date +%s%N)
    [ -n "$window" ] || { echo "measure-startup: the launcher did not appear within 20 s" >&2; exit 1; }
    peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$app_pid/status")
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key Escape
    wait_for_exit "$app_pid" 10 || { echo "measure-startup: the launcher did not close" >&2; exit 1; }
    app_pid=
    ms=$(((shown - start) / 1000000))
    if [ "$run" -eq 0 ]; then
        printf 'first start: %d ms to the launcher, peak memory %d KiB\n' "$ms" "$peak"
    else
        printf 'run %2d: %4d ms to the launcher, peak memory %d KiB\n' "$run" "$ms" "$peak"
        times+=("$ms")
        peaks+=("$peak")
    fi
done

printf '%s\n' "${times[@]}" | sort -n | awk '
    { t[NR] = $1; sum += $1 }
    END { printf "start-up over %d runs: median %d ms, mean %.0f ms, min %d ms, max %d ms\n",
          NR, (NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2), sum / NR, t[1], t[NR] }'
printf '%s\n' "${peaks[@]}" | sort -n | awk '
    { p[NR] = $1; sum += $1 }
    END { printf "peak memory (VmHWM) over %d runs: median %.1f MiB, max %.1f MiB\n",
          NR, (NR % 2 ? p[(NR + 1) / 2] : (p[NR / 2] + p[NR / 2 + 1]) / 2) / 1024, p[NR] / 1024 }'
