#!/usr/bin/env bash
# Checks, with the real program on a private X server, that saving kortools.dat can never leave
# less than a whole file:
#
# 1. Killed while saving: the program starts over a directory that holds an "old" file (928
#    bytes of version 2, which it loads nothing from, so the file it writes differs from it in
#    every record), is told to close with SIGTERM and is killed with SIGKILL after a random delay
#    spread over the time it takes to close and save. Afterwards kortools.dat must be exactly the
#    old file or exactly the file a normal close writes; anything else fails. A kill during the
#    save may leave its unfinished temporary file beside them; those are counted.
# 2. A full file system: the same old file on a tmpfs with no room for a second one. The program
#    closes normally; the old file must be untouched, no temporary file left behind, and the
#    failure reported on the error output with the system's reason. Needs permission to mount
#    (root); skipped without it.
#
# Each run has a state home (XDG_STATE_HOME) of its own, and an empty temporary directory, so the
# old place of the file never plays a part and the user's own file is never touched.
#
# Usage: tools/check-state-saving.sh [path to kortools] [kills]
#   (defaults: build-release/kortools, 60 kills)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build-release/kortools}")
kills=${2:-60}
# shellcheck source=tests/e2e/x11.sh
. "$root/tests/e2e/x11.sh"

[ -x "$program" ] || { echo "check-state-saving: no program at $program (build it with ./run.sh first)" >&2; exit 1; }

work=$(mktemp -d)
mount_point=
app_pid=
cleanup() {
    if [ -n "$app_pid" ]; then kill -9 "$app_pid" 2>/dev/null || true; fi
    if [ -n "$mount_point" ]; then umount "$mount_point" 2>/dev/null || true; fi
    stop_x
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "check-state-saving: FAILED: $*" >&2; exit 1; }
start_x || fail "Xvfb did not start"

old=$work/old.dat
new=$work/new.dat
printf '\x02\x00' >"$old"
head -c 926 /dev/zero | tr '\0' '\253' >>"$old"

mkdir -m 700 "$work/tmp"
# Makes $1 a state home whose kortools.dat is the old file.
state_home_with_old() {
    mkdir -p -m 700 "$1/kortools"
    cp "$old" "$1/kortools/kortools.dat"
}
# Starts the program over state home $1 and waits for its launcher.
start_over() {
    TMPDIR=$work/tmp XDG_STATE_HOME=$1 QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>"$work/stderr" &
    app_pid=$!
    wait_for_window "KorTools" 20 >/dev/null || fail "the launcher did not appear"
}

# What a normal close writes over the old file, and how long closing takes.
dir=$work/normal
state_home_with_old "$dir"
start_over "$dir"
# Waited for directly, not by polling, so the time is the program's own; a watchdog ends the
# wait should the program hang.
(sleep 10; kill -KILL "$app_pid" 2>/dev/null) &
watchdog=$!
begin=$(date +%s%N)
kill -TERM "$app_pid"
status=0
wait "$app_pid" || status=$?
close_us=$((($(date +%s%N) - begin) / 1000))
kill "$watchdog" 2>/dev/null || true
wait "$watchdog" 2>/dev/null || true
app_pid=
[ "$status" = 0 ] || fail "after SIGTERM the program exited with status $status"
cp "$dir/kortools/kortools.dat" "$new"
[ "$(stat -c %s "$new")" = 928 ] || fail "a normal close wrote $(stat -c %s "$new") bytes"
cmp -s "$old" "$new" && fail "the file a normal close writes is the old file"
echo "check-state-saving: a normal close writes the 928-byte file and exits $close_us us after SIGTERM"

# The save comes within the first milliseconds after SIGTERM, before the toolkit's slower
# teardown: two kills in three fall in the first 3 ms, the rest over the whole closing time. The
# delay is waited out by bash itself (a read that times out), since starting sleep would take
# longer than the save.
exec {never}<> <(:)
pause_us() { read -r -t "$(printf '%d.%06d' $(($1 / 1000000)) $(($1 % 1000000)))" -u "$never" _ || true; }
kept_old=0
kept_new=0
temporaries=0
for run in $(seq "$kills"); do
    dir=$work/kill-$run
    state_home_with_old "$dir"
    start_over "$dir"
    if [ $((run % 3)) -ne 0 ]; then
        delay_us=$(((RANDOM * 32768 + RANDOM) % 3000))
    else
        delay_us=$(((RANDOM * 32768 + RANDOM) % (close_us + 2000)))
    fi
    kill -TERM "$app_pid"
    [ "$delay_us" -gt 0 ] && pause_us "$delay_us"
    kill -KILL "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    app_pid=
    if cmp -s "$dir/kortools/kortools.dat" "$old"; then
        kept_old=$((kept_old + 1))
    elif cmp -s "$dir/kortools/kortools.dat" "$new"; then
        kept_new=$((kept_new + 1))
    else
        fail "killed $delay_us us after SIGTERM, kortools.dat is neither the old nor the new file ($(stat -c %s "$dir/kortools/kortools.dat" 2>/dev/null || echo missing) bytes)"
    fi
    left=$(find "$dir" -name 'kortools.dat.*' | wc -l)
    temporaries=$((temporaries + left))
    rm -rf "$dir"
done
echo "check-state-saving: $kills kills: the old file stayed $kept_old times, the new one stood $kept_new times, never anything else; $temporaries unfinished temporary files were left by kills during a save"

mount_point=$work/full
mkdir "$mount_point"
if mount -t tmpfs -o size=4k,mode=0700 tmpfs "$mount_point" 2>/dev/null; then
    state_home_with_old "$mount_point"
    start_over "$mount_point"
    kill -TERM "$app_pid"
    wait_for_exit "$app_pid" 10 || fail "SIGTERM did not end the program on the full file system"
    app_pid=
    [ "$EXIT_STATUS" = 0 ] || fail "on the full file system the program exited with status $EXIT_STATUS"
    cmp -s "$mount_point/kortools/kortools.dat" "$old" || fail "on the full file system the old file changed"
    grep -q "could not be kept.*: No space left on device" "$work/stderr" \
        || fail "on the full file system the failed save was not reported: $(cat "$work/stderr")"
    left=$(find "$mount_point" -name 'kortools.dat.*' | wc -l)
    [ "$left" = 0 ] || fail "on the full file system $left temporary files were left behind"
    echo "check-state-saving: on a full file system the old file stayed whole, no temporary file was left and the failure was reported"
    umount "$mount_point"
    mount_point=
else
    echo "check-state-saving: cannot mount a tmpfs here (not root?); the full file system was not tried"
fi
echo "check-state-saving: passed"
