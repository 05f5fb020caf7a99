#!/usr/bin/env bash
# Measures, on a private X server, how long KorTools takes from being started to showing its
# launcher, and its peak memory (VmHWM) with the launcher up, over several runs; and the same for
# a bare Qt dialog (tools/startup), started in turn with KorTools in the same run, so that the
# two can be compared on whatever machine this runs on. KorTools runs with a temporary directory
# and a state home of the script's own: its first start leaves kortools.dat there, and every measured start loads
# it, as an engineer's usual start does.
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
bare_build=$root/build-startup
cmake -S "$root/tools/startup" -B "$bare_build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$bare_build" >/dev/null
bare=$bare_build/bare-dialog

app_pid=
state_dir=$(mktemp -d)
cleanup() {
    if [ -n "$app_pid" ]; then kill -9 "$app_pid" 2>/dev/null || true; fi
    stop_x
    rm -rf "$state_dir"
}
trap cleanup EXIT
start_x || { echo "measure-startup: Xvfb did not start" >&2; exit 1; }

# Starts $1 and waits for its window titled $2; prints "milliseconds peak-KiB". The time is
# taken when the window system maps the program's first window, as xev reports it on the root
# window, so it does not depend on how often anything polls.
measure_once() {
    local command=$1 title=$2 events start mapped window peak watcher
    events=$(mktemp)
    stdbuf -oL xev -root -event substructure 2>/dev/null > >(
        while IFS= read -r line; do
            case $line in MapNotify*) date +%s%N >>"$events" ;; esac
        done) &
    watcher=$!
    # xev has subscribed once it has printed nothing for a moment; give it that moment.
    sleep 0.3
    start=$(date +%s%N)
    TMPDIR=$state_dir XDG_STATE_HOME=$state_dir QT_QPA_PLATFORM=xcb "$command" >/dev/null 2>&1 &
    app_pid=$!
    for _ in $(seq 4000); do
        [ -s "$events" ] && break
        sleep 0.005
    done
    mapped=$(head -n1 "$events")
    kill "$watcher" 2>/dev/null || true
    rm -f "$events"
    [ -n "$mapped" ] || { echo "measure-startup: \"$title\" was not mapped within 20 s" >&2; exit 1; }
    window=$(wait_for_window "$title" 20) || { echo "measure-startup: \"$title\" did not appear" >&2; exit 1; }
    peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$app_pid/status")
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key Escape
    wait_for_exit "$app_pid" 10 || { echo "measure-startup: \"$title\" did not close" >&2; exit 1; }
    app_pid=
    echo "$(((mapped - start) / 1000000)) $peak"
}

# Median of the numbers on standard input.
median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

# The first start of each pays for reading the program and Qt's libraries from disk; it is
# reported but left out of the medians, which describe an engineer's usual start.
times=()
peaks=()
bare_times=()
bare_peaks=()
for run in $(seq 0 "$runs"); do
    read -r ms peak < <(measure_once "$program" "KorTools")
    read -r bare_ms bare_peak < <(measure_once "$bare" "Bare Dialog")
    if [ "$run" -eq 0 ]; then
        printf 'first start: KorTools %d ms, %d KiB; bare dialog %d ms, %d KiB\n' \
            "$ms" "$peak" "$bare_ms" "$bare_peak"
        size=$(stat -c %s "$state_dir/kortools/kortools.dat" 2>/dev/null || echo none)
        [ "$size" = 928 ] || { echo "measure-startup: the first start left no 928-byte kortools.dat ($size)" >&2; exit 1; }
        continue
    fi
    printf 'run %2d: KorTools %4d ms, %6d KiB; bare dialog %4d ms, %6d KiB\n' \
        "$run" "$ms" "$peak" "$bare_ms" "$bare_peak"
    times+=("$ms")
    peaks+=("$peak")
    bare_times+=("$bare_ms")
    bare_peaks+=("$bare_peak")
done

t=$(printf '%s\n' "${times[@]}" | median)
p=$(printf '%s\n' "${peaks[@]}" | median)
bt=$(printf '%s\n' "${bare_times[@]}" | median)
bp=$(printf '%s\n' "${bare_peaks[@]}" | median)
awk -v t="$t" -v p="$p" -v bt="$bt" -v bp="$bp" -v n="${#times[@]}" 'BEGIN {
    printf "medians over %d runs: KorTools %d ms, %.1f MiB; bare Qt dialog %d ms, %.1f MiB\n",
        n, t, p / 1024, bt, bp / 1024
    printf "KorTools against the bare dialog: start-up %.2fx, peak memory %.2fx\n", t / bt, p / bp
}'
