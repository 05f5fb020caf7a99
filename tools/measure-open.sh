#!/usr/bin/env bash
# Measures, on a private X server, how long each tool takes to open: the time from a click on
# its launcher button to the window system mapping the tool's window, several times per tool,
# closing it with Escape in between. Prints the median and the slowest open per tool caption.
# A button whose tool is not available yet is disabled and opens nothing; that tool is skipped.
#
# Usage: tools/measure-open.sh [path to kortools] [opens per tool]
#   (defaults: build-release/kortools, 7 opens)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build-release/kortools}")
opens=${2:-7}
# shellcheck source=tests/e2e/x11.sh
. "$root/tests/e2e/x11.sh"

fail() {
    echo "measure-open: $*" >&2
    exit 1
}

[ -x "$program" ] || fail "no program at $program (build it with ./run.sh first)"
for tool in Xvfb xdotool xev; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done
[[ $opens =~ ^[1-9][0-9]*$ ]] || fail "the number of opens must be a positive whole number, not '$opens'"

# The launcher's size and its buttons' rectangles, in dialog units, come from its template, so
# the clicks follow the template wherever it moves a button.
templates=$root/resources/Templates.cpp
launcher_size=$(awk -F', *' '/\{IDD_KORTOOLS_DIALOG,/ { print $3, $4; exit }' "$templates")
read -r launcher_cx launcher_cy <<<"$launcher_size"
buttons=$(awk '
    /^const ControlTemplate LauncherControls\[\]/ { inside = 1; next }
    inside && /^};/ { exit }
    inside && /K::PushButton/ {
        rest = substr($0, index($0, "\"") + 1)
        label = substr(rest, 1, index(rest, "\"") - 1)
        numbers = substr(rest, index(rest, "\"") + 1)
        gsub(/[^0-9,]/, "", numbers)
        split(numbers, n, ",")
        printf "%s %s %s %s %s\n", n[2], n[3], n[4], n[5], label
    }' "$templates")
if [ -z "$launcher_cy" ] || [ -z "$buttons" ]; then
    fail "could not read the launcher's template from $templates"
fi

# Microseconds, from the shell itself: starting a process to read the clock would take longer
# than some of what is measured.
now_us() {
    echo "${EPOCHREALTIME//[!0-9]/}"
}

events=$(mktemp)
stamp=$(mktemp)
app_pid=
watcher=
cleanup() {
    if [ -n "$app_pid" ]; then kill -9 "$app_pid" 2>/dev/null || true; fi
    if [ -n "$watcher" ]; then kill "$watcher" 2>/dev/null || true; fi
    rm -f "$events" "$stamp"
    stop_x
}
trap cleanup EXIT
start_x || fail "Xvfb did not start"

# Every top-level window the window system maps or unmaps, as "map|unmap microseconds window"
# lines, timed when xev reports it on the root window. xev names the window on the line after
# the event's own; menus and tooltips (override-redirect windows) are left out.
stdbuf -oL xev -root -event substructure 2>/dev/null > >(
    kind=
    while IFS= read -r line; do
        case $line in
        MapNotify*) kind=map at=$(now_us) ;;
        UnmapNotify*) kind=unmap at=$(now_us) ;;
        *)
            if [ -n "$kind" ] && [[ $line =~ window\ (0x[0-9a-f]+) ]] && [[ $line != *"override YES"* ]]; then
                echo "$kind $at $((BASH_REMATCH[1]))" >>"$events"
            fi
            kind=
            ;;
        esac
    done) &
watcher=$!
# xev has subscribed once it has printed nothing for a moment; give it that moment.
sleep 0.3

QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
app_pid=$!
launcher=$(wait_for_window "KorTools" 20) || fail "the launcher did not appear within 20 s"

# Waits up to $1 seconds for the events file to have more than $2 lines; prints the first new one.
next_event() {
    local seconds=$1 seen=$2 tries
    tries=$((seconds * 200))
    while [ "$tries" -gt 0 ]; do
        if [ "$(wc -l <"$events")" -gt "$seen" ]; then
            sed -n "$((seen + 1))p" "$events"
            return 0
        fi
        sleep 0.005
        tries=$((tries - 1))
    done
    return 1
}

# Clicks the button at $1 $2 (its centre, in pixels of the launcher) and prints the open's
# microseconds and the tool's window. Status 1 when nothing opened within 2 s, 2 on a fault.
open_once() {
    local px=$1 py=$2 seen event kind mapped window start
    seen=$(wc -l <"$events")
    # One xdotool places the pointer, writes the time and clicks at once: started for the click
    # alone, xdotool would take longer to connect and read the keyboard map than most tools
    # take to open.
    # shellcheck disable=SC2016 # the script is bash's, not this shell's
    xdotool mousemove --window "$launcher" "$px" "$py" sleep 0.05 \
        exec --sync --args 4 bash -c 'echo "${EPOCHREALTIME//[!0-9]/}" >"$0"' "$stamp" click 1
    start=$(<"$stamp")
    event=$(next_event 2 "$seen") || return 1
    read -r kind mapped window <<<"$event"
    if [ "$kind" != map ]; then
        echo "measure-open: a window closed when a tool should have opened" >&2
        return 2
    fi
    echo "$((mapped - start)) $window"
}

# Closes the tool's window with Escape and waits until it is unmapped.
close_tool() {
    local window=$1 seen
    seen=$(wc -l <"$events")
    # Stands in for the window manager, which would give the new window the keyboard.
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key Escape
    for _ in $(seq 2000); do
        if tail -n "+$((seen + 1))" "$events" | grep -q "^unmap [0-9]* $window\$"; then
            # Let the launcher finish what a closing tool sets off before the next click.
            sleep 0.2
            return 0
        fi
        kill -0 "$app_pid" 2>/dev/null || fail "KorTools ended while a tool was closing"
        sleep 0.005
    done
    fail "Escape did not close window $window within 10 s"
}

# Median of the numbers on standard input.
median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

printf '%d opens per tool, times in milliseconds from the click to the window being mapped\n' "$opens"
printf '%-34s %8s %8s\n' "tool" "median" "slowest"
skipped=()
while read -r x y w h label; do
    centre=$(control_centre "$launcher" "$launcher_cx" "$launcher_cy" "$x" "$y" "$w" "$h") ||
        fail "the launcher has no geometry"
    read -r px py <<<"$centre"
    times=()
    caption=
    for _ in $(seq "$opens"); do
        status=0
        result=$(open_once "$px" "$py") || status=$?
        [ "$status" -le 1 ] || exit 1
        if [ "$status" -eq 1 ]; then
            # A disabled button opens nothing; so does a tool that is not there yet.
            [ "${#times[@]}" -eq 0 ] || fail "\"$label\" opened its tool before, but not now"
            skipped+=("$label")
            break
        fi
        read -r us window <<<"$result"
        shown=$(xdotool getwindowname "$window" 2>/dev/null || true)
        [ -z "$caption" ] && caption=$shown
        [ "$shown" = "$caption" ] || fail "\"$label\" opened \"$caption\" before, and now \"$shown\""
        times+=("$us")
        close_tool "$window"
    done
    [ "${#times[@]}" -gt 0 ] || continue
    middle=$(printf '%s\n' "${times[@]}" | median)
    slowest=$(printf '%s\n' "${times[@]}" | sort -n | tail -n1)
    awk -v c="$caption" -v m="$middle" -v s="$slowest" 'BEGIN { printf "%-34s %8.1f %8.1f\n", "\"" c "\"", m / 1000, s / 1000 }'
done <<<"$buttons"

if [ "${#skipped[@]}" -gt 0 ]; then
    printf 'skipped, their buttons opened nothing:'
    printf ' "%s"' "${skipped[@]}"
    printf '\n'
fi

xdotool windowfocus --sync "$launcher" 2>/dev/null || true
xdotool key Escape
wait_for_exit "$app_pid" 10 || fail "the launcher did not close"
app_pid=
