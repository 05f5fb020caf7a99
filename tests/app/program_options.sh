#!/usr/bin/env bash
# kortools without a display: --help and --version answer and exit 0, a plain start says in one
# line that it cannot open a display and exits 1, and an explicit platform that needs no display
# (offscreen) still starts. Run by ctest as Program.OptionsWithoutDisplay.
#
#   tests/app/program_options.sh PATH/TO/kortools VERSION
set -uo pipefail
program=$1
version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

# A display number far above any a server here is started on.
free_display=:59999
[ ! -e /tmp/.X11-unix/X59999 ] || free_display=

# case NAME STATUS STREAM PATTERN [VAR=VALUE...] -- [ARGUMENT...]: runs the program in an
# environment without any display but the variables given, and expects the status and exactly
# one line on the stream matching the extended regular expression, and nothing on the other.
case_() {
    local name=$1 status=$2 stream=$3 pattern=$4
    shift 4
    local settings=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do settings+=("$1"); shift; done
    shift
    local got=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM TMPDIR="$scratch" XDG_STATE_HOME="$scratch/state" "${settings[@]}" \
        timeout 20 "$program" "$@" >"$scratch/out" 2>"$scratch/err" </dev/null || got=$?
    local other=err
    [ "$stream" = out ] || other=out
    local problem=
    if [ "$got" -ne "$status" ]; then
        problem="exit status $got, expected $status"
    elif [ "$(grep -c '' "$scratch/$stream")" -ne 1 ] && [ "$stream" = err ]; then
        problem="$(grep -c '' "$scratch/err") lines on stderr, expected one"
    elif ! head -1 "$scratch/$stream" | grep -Eq -- "$pattern"; then
        problem="first line of std$stream does not match /$pattern/"
    elif [ -s "$scratch/$other" ]; then
        problem="std$other is not empty"
    fi
    if [ -n "$problem" ]; then
        echo "FAIL $name: $problem" >&2
        sed 's/^/  stdout: /' "$scratch/out" >&2
        sed 's/^/  stderr: /' "$scratch/err" >&2
        failures=$((failures + 1))
    else
        echo "ok   $name"
    fi
}

escaped_version=${version//./\\.}
no_display='^kortools: cannot open a display \(DISPLAY is not set, WAYLAND_DISPLAY is not set\); '
case_ "--help" 0 out '^Usage: kortools \[--help\] \[--version\]' -- --help
case_ "-h among Qt's options" 0 out '^Usage: kortools ' -- -style fusion -h
case_ "--version" 0 out "^KorTools $escaped_version\$" -- --version
case_ "no display" 1 err "$no_display" --
case_ "empty DISPLAY and WAYLAND_DISPLAY" 1 err "$no_display" DISPLAY= WAYLAND_DISPLAY= --
case_ "xcb chosen, no display" 1 err "$no_display" QT_QPA_PLATFORM=xcb --
if [ -n "$free_display" ]; then
    case_ "DISPLAY with no server" 1 err \
        "^kortools: cannot open a display \\(DISPLAY is \"$free_display\", WAYLAND_DISPLAY is not set\\)" \
        DISPLAY="$free_display" --
fi

# offscreen needs no display: the program starts and stays up (how it leaves on SIGTERM is the
# end-to-end test's; here it is only stopped).
env -u DISPLAY -u WAYLAND_DISPLAY TMPDIR="$scratch" XDG_STATE_HOME="$scratch/state" QT_QPA_PLATFORM=offscreen "$program" \
    >"$scratch/out" 2>"$scratch/err" </dev/null &
pid=$!
sleep 3
if kill -0 "$pid" 2>/dev/null && ! grep -q "cannot open a display" "$scratch/err"; then
    echo "ok   offscreen starts without a display"
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null
else
    status=0
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" || status=$?
    echo "FAIL offscreen: kortools left with status $status before it was stopped" >&2
    sed 's/^/  stderr: /' "$scratch/err" >&2
    failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] || { echo "$failures case(s) failed" >&2; exit 1; }
