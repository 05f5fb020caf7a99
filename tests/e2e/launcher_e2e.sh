#!/usr/bin/env bash
# End to end, as an engineer would: start KorTools on a private X server, click "dB - Abs" on
# the launcher, type 100 into the absolute edit, press ">>", copy what the decibel edit shows
# (20.0), open the tool's window menu with the Menu key and choose "Copy Values", then with
# Shift+F10 and choose "Copy as Command", reading the clipboard after each, and close the tool
# with Escape; work the beamwidth tool and the orbit period tool with
# the keyboard alone, and see the beamwidth tool's peak gain arrive in the peak gain tool; enter
# a C/N into the link budget and see the transmit power solved for it, then open and close its
# frequency sub-tool and see the budget unchanged; open and close each other tool the same way;
# in the off-axis tool, open the pattern chart with F2 and close it with Escape, the tool staying
# open; open the About box from the window menu and from F1; close the launcher with Escape, and
# expect the program to exit with 0.
#
# Then the values kept from one run to the next: the closed launcher has left kortools.dat, 928
# bytes, in its state home's directory kortools, and nothing in the temporary directory; started
# again, the program shows the decibel
# tool's 100 and 20.0 and the budget's transmit power and EIRP for a C/N of 20 dB. Ended by
# SIGTERM, as when the session ends, with a new value typed into the decibel tool still open, it
# keeps that value too. That file is then moved to the old place in the temporary directory, where
# earlier versions kept it: the third start reads it from there, a new value is typed and the
# launcher closed; the new file is in the state home, the old one untouched, and the fourth start
# shows the new value, not the old file's. No close reports a failed save.
#
# The program runs with TMPDIR and XDG_STATE_HOME naming new directories of the test's own, so it
# neither sees nor touches the user's kortools.dat, in the new place or the old.
#
# Usage: tests/e2e/launcher_e2e.sh [path to kortools]   (default: build/kortools)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "${1:-$here/../../build/kortools}")
# shellcheck source=tests/e2e/x11.sh
. "$here/x11.sh"

log=$(mktemp)
state_dir=$(mktemp -d)
temp_dir=$state_dir/tmp
state_file=$state_dir/state/kortools/kortools.dat
mkdir -m 700 "$temp_dir"
app_pid=
cleanup() {
    if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
        kill "$app_pid" 2>/dev/null || true
        sleep 0.2
        kill -9 "$app_pid" 2>/dev/null || true
    fi
    stop_x
    rm -f "$log"
    rm -rf "$state_dir"
}
trap cleanup EXIT

fail() {
    echo "launcher e2e: FAILED: $*" >&2
    echo "launcher e2e: windows on screen:" >&2
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null || true); do
        echo "  $(xdotool getwindowname "$id" 2>/dev/null || true)" >&2
    done
    if [ -s "$log" ]; then
        echo "launcher e2e: the program's output:" >&2
        sed 's/^/  /' "$log" >&2
    fi
    exit 1
}
step() { echo "launcher e2e: $*"; }
click() { click_control "$@" || fail "could not click on window $1: it has no geometry"; }

# Copies the focused edit's text and prints it, once it equals $1 or after about 10 s.
copy_focused_until() {
    local wanted=$1 shown=
    for _ in $(seq 20); do
        xdotool key --clearmodifiers ctrl+a ctrl+c
        sleep 0.5
        shown=$(timeout 5 xclip -o -selection clipboard 2>/dev/null || true)
        [ "$shown" = "$wanted" ] && break
    done
    echo "$shown"
}
keys() { xdotool key --clearmodifiers --delay 60 "$@"; }

# Prints what a paste would give, once it equals $1 or after about 10 s.
clipboard_until() {
    local wanted=$1 shown=
    for _ in $(seq 20); do
        shown=$(timeout 5 xclip -o -selection clipboard 2>/dev/null || true)
        [ "$shown" = "$wanted" ] && break
        sleep 0.5
    done
    printf '%s' "$shown"
}
program_windows() { xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | wc -l; }
# A menu is a window of its own: waits up to 10 s for the program to show more than $1 windows.
wait_for_menu() {
    for _ in $(seq 100); do
        [ "$(program_windows)" -gt "$1" ] && return 0
        sleep 0.1
    done
    return 1
}
# Waits up to 10 s for the program to show $1 windows again, and sees that it stays so.
wait_for_menu_gone() {
    for _ in $(seq 100); do
        if [ "$(program_windows)" -eq "$1" ]; then
            sleep 0.5
            [ "$(program_windows)" -eq "$1" ] && return 0
        fi
        sleep 0.1
    done
    return 1
}
type_text() { xdotool type --delay 20 "$1"; }

# Opens the tool of the launcher button at $1,$2 (dialog units) and waits for caption $3.
open_tool() {
    local window
    click "$launcher" 121 257 "$1" "$2" 50 14
    window=$(wait_for_window "$3" 10) || fail "the button at $1,$2 did not open \"$3\""
    # Stands in for the window manager, which would give the new dialog the keyboard.
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    echo "$window"
}

[ -x "$program" ] || fail "no program at $program"
for tool in Xvfb xdotool xclip; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

# Starts the program over the test's own temporary directory and state home and waits for its
# launcher.
start_program() {
    TMPDIR="$temp_dir" XDG_STATE_HOME="$state_dir/state" QT_QPA_PLATFORM=xcb "$program" >>"$log" 2>&1 &
    app_pid=$!
    launcher=$(wait_for_window "KorTools" 20) || fail "the launcher window did not appear within 20 s"
    step "launcher is up (window $launcher, $(window_size "$launcher") px)"
}

# Closes the launcher with Escape and expects the program to end with 0.
close_launcher() {
    xdotool windowfocus --sync "$launcher" 2>/dev/null || true
    xdotool key Escape
    wait_for_exit "$app_pid" 10 || fail "Escape on the launcher did not end the program within 10 s"
    app_pid=
    [ "$EXIT_STATUS" = "0" ] || fail "the program exited with status $EXIT_STATUS, expected 0"
}

# On tool window $1 of $2 x $3 dialog units, clicks the edit at $4,$5 (88 x $6) and expects it
# to show $7; $8 names it in the failure.
expect_edit() {
    local shown
    click "$1" "$2" "$3" "$4" "$5" 88 "$6"
    shown=$(copy_focused_until "$7")
    [ "$shown" = "$7" ] || fail "$8 shows '$shown', expected '$7'"
}

start_x || fail "Xvfb did not start"
step "X server on $DISPLAY"

start_program

# "dB - Abs": 7, 28, 50 x 14 on the 121 x 257 launcher.
click "$launcher" 121 257 7 28 50 14
tool=$(wait_for_window "Decibel to/from Absolute" 10) || fail "clicking \"dB - Abs\" did not open the decibel tool"
step "decibel tool is open (window $tool)"

# Absolute edit: 15, 31, 88 x 14; ">>": 113, 18, 50 x 14; decibel edit: 172, 31, 88 x 14, all
# on the 277 x 89 tool.
click "$tool" 277 89 15 31 88 14
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "100"
click "$tool" 277 89 113 18 50 14
# Copied again until the program has caught up with the clicks and keys, for up to 10 s; a
# wrong value still fails once the time is up.
shown=
for _ in $(seq 20); do
    click "$tool" 277 89 172 31 88 14
    xdotool key --clearmodifiers ctrl+a ctrl+c
    sleep 0.5
    shown=$(timeout 5 xclip -o -selection clipboard 2>/dev/null || true)
    [ "$shown" = "20.0" ] && break
done
[ "$shown" = "20.0" ] || fail "after typing 100 and pressing \">>\" the decibel edit shows '$shown', expected '20.0'"
step "100 is 20.0 dB"

# The window menu without a mouse, over the focused decibel edit: the Menu key, then
# Shift+F10. Its entries are "Copy Values" and "Copy as Command", in that order. One key opens
# one menu: X11 sends the Menu key both as a menu request and as a key.
windows=$(program_windows)
keys Menu
wait_for_menu "$windows" || fail "the Menu key did not open the decibel tool's window menu"
keys Down Return
wait_for_menu_gone "$windows" || fail "the decibel tool's window menu did not close, or opened again"
values=$'absolute_value = 100.0\ndb_value = 20.0 dB'
shown=$(clipboard_until "$values")
[ "$shown" = "$values" ] || fail "\"Copy Values\" put '$shown' on the clipboard, expected '$values'"
step "\"Copy Values\" from the Menu key put the tool's values on the clipboard"

keys shift+F10
wait_for_menu "$windows" || fail "Shift+F10 did not open the decibel tool's window menu"
keys Down Down Return
wait_for_menu_gone "$windows" || fail "the decibel tool's window menu did not close, or opened again"
command_line="kortools-calc db absolute_value=100"
shown=$(clipboard_until "$command_line")
[ "$shown" = "$command_line" ] || fail "\"Copy as Command\" put '$shown' on the clipboard, expected '$command_line'"
step "\"Copy as Command\" from Shift+F10 gave '$command_line'"

# The keyboard is still the tool's.
xdotool key Escape
wait_for_no_window "Decibel to/from Absolute" 10 || fail "Escape did not close the decibel tool"
step "decibel tool closed"

# The beamwidth tool with the keyboard alone. The focus starts in the peak gain edit; Tab walks
# peak gain, efficiency, beamwidth and the three "Calculate" buttons, the beamwidth's last.
open_tool 63 46 "Calculate Half Power Beamwidth" >/dev/null
keys ctrl+a
type_text "30"
keys Tab ctrl+a
type_text "0.7"
keys Tab Tab Tab Tab Return shift+Tab shift+Tab shift+Tab
shown=$(copy_focused_until "5.8183")
[ "$shown" = "5.8183" ] || fail "a 30 dBi dish of efficiency 0.7 shows a beamwidth of '$shown', expected '5.8183'"
step "30 dBi at efficiency 0.7 is 5.8183 degrees"
keys Escape
wait_for_no_window "Calculate Half Power Beamwidth" 10 || fail "Escape did not close the beamwidth tool"

# Closing the beamwidth tool hands its peak gain to the peak gain tool: Tab from the frequency
# edit passes the unit buttons (one stop), the dish size and the efficiency.
open_tool 63 28 "Calculate Peak Gain" >/dev/null
keys Tab Tab Tab Tab
shown=$(copy_focused_until "30.0")
[ "$shown" = "30.0" ] || fail "after the beamwidth tool the peak gain tool shows '$shown', expected '30.0'"
step "the peak gain tool took 30.0 dBi from the beamwidth tool"
keys Escape
wait_for_no_window "Calculate Peak Gain" 10 || fail "Escape did not close the peak gain tool"

# The orbit period tool: a height typed and left with Tab gives the period, in minutes.
open_tool 7 130 "Orbit Period Tool" >/dev/null
keys ctrl+a
type_text "1000"
keys Tab Tab
shown=$(copy_focused_until "105.1187")
[ "$shown" = "105.1187" ] || fail "a 1000 km orbit shows a period of '$shown', expected '105.1187'"
step "a 1000 km orbit takes 105.1187 min"
keys Escape
wait_for_no_window "Orbit Period Tool" 10 || fail "Escape did not close the orbit period tool"

# The link budget backwards: a C/N of 20 dB is met by the transmit power. Tab walks the twelve
# edits top to bottom; the C/N is the last.
link=$(open_tool 63 112 "Link Budget")
keys Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab ctrl+a
type_text "20"
keys Tab
# Transmit power: 102, 36, 88 x 12 on the 294 x 265 budget.
click "$link" 294 265 102 36 88 12
shown=$(copy_focused_until "2.3947")
[ "$shown" = "2.3947" ] || fail "a C/N of 20 dB asks for a transmit power of '$shown', expected '2.3947'"
step "a C/N of 20 dB needs 2.3947 dBW"

# The frequency sub-tool ("Calculate ..." at 230, 8, 50 x 14) opens above the budget and closes
# with Escape; an untouched sub-tool gives nothing back, so the C/N is still 20.
click "$link" 294 265 230 8 50 14
sub=$(wait_for_window "Frequency to/from Wavelength" 10) || fail "the budget's frequency button did not open the frequency tool"
xdotool windowfocus --sync "$sub" 2>/dev/null || true
keys Escape
wait_for_no_window "Frequency to/from Wavelength" 10 || fail "Escape did not close the frequency sub-tool"
xdotool windowfocus --sync "$link" 2>/dev/null || true
# C/N: 101, 223, 88 x 12.
click "$link" 294 265 101 223 88 12
shown=$(copy_focused_until "20.0")
[ "$shown" = "20.0" ] || fail "after the untouched frequency sub-tool the C/N shows '$shown', expected '20.0'"
step "the frequency sub-tool opened and closed over the budget, which kept its C/N"
keys Escape
wait_for_no_window "Link Budget" 10 || fail "Escape did not close the link budget"

# The other tools open from their buttons and close with Escape. Button rectangles in dialog
# units on the launcher, then each tool's caption (two of them end in a space).
while IFS='|' read -r x y caption; do
    open_tool "$x" "$y" "$caption" >/dev/null
    xdotool key Escape
    wait_for_no_window "$caption" 10 || fail "Escape did not close \"$caption\""
    step "opened and closed \"$caption\""
done <<'TOOLS'
7|46|Frequency to/from Wavelength
7|64|Calculate Spreading Loss 
7|82|Calculate Path Loss 
7|100|Noise Temperature Calculation
63|82|Calculate G/T
63|64|Calculate Offaxis Gain
7|148|Orbit Field of View Tool
63|148|Power Flux Density Tool
63|130|C/(N+I) Tool
7|178|Atmospheric Losses
63|178|Look Angles
7|196|Link Margin
TOOLS

# The link-design tools' charts: F2 opens each above its tool, Escape closes chart and tool.
while IFS='|' read -r x y caption title; do
    open_tool "$x" "$y" "$caption" >/dev/null
    keys F2
    chart=$(wait_for_window "$title" 20) || fail "F2 in \"$caption\" did not open its chart"
    xdotool windowfocus --sync "$chart" 2>/dev/null || true
    keys Escape
    wait_for_no_window "$title" 10 || fail "Escape did not close \"$title\""
    tool=$(wait_for_window "$caption" 2) || fail "closing \"$title\" closed its tool too"
    xdotool windowfocus --sync "$tool" 2>/dev/null || true
    keys Escape
    wait_for_no_window "$caption" 10 || fail "Escape did not close \"$caption\""
    step "\"$caption\" drew \"$title\" with F2"
done <<'CHARTS'
7|178|Atmospheric Losses|Atmospheric Attenuation
7|196|Link Margin|Link Margin by MODCOD
CHARTS

# The off-axis tool's patterns: F2 opens the chart above the tool, Escape closes the chart and
# leaves the tool open.
offaxis=$(open_tool 63 64 "Calculate Offaxis Gain")
keys F2
chart=$(wait_for_window "Antenna Pattern" 20) || fail "F2 in the off-axis tool did not open the pattern chart"
xdotool windowfocus --sync "$chart" 2>/dev/null || true
keys Escape
wait_for_no_window "Antenna Pattern" 10 || fail "Escape did not close the pattern chart"
wait_for_window "Calculate Offaxis Gain" 2 >/dev/null || fail "closing the pattern chart closed the off-axis tool too"
step "F2 opened the pattern chart over the off-axis tool, and Escape closed it alone"
xdotool windowfocus --sync "$offaxis" 2>/dev/null || true
keys Escape
wait_for_no_window "Calculate Offaxis Gain" 10 || fail "Escape did not close the off-axis tool after its chart"

# The About box, from the launcher's window menu (a right-click on the launcher's own
# background: the top label, 7, 7, 108 x 10, lets clicks through) and from F1.
wait_for_window "KorTools" 5 >/dev/null || fail "the launcher did not come back after the tools closed"
click "$launcher" 121 257 7 7 108 10 3
wait_for_menu 1 || fail "a right-click on the launcher did not open its window menu"
xdotool key Down Return
wait_for_window "About KorTools" 10 >/dev/null || fail "the window menu's About item did not open the About box"
xdotool key Escape
wait_for_no_window "About KorTools" 10 || fail "Escape did not close the About box"
xdotool windowfocus --sync "$launcher" 2>/dev/null || true
xdotool key F1
about=$(wait_for_window "About KorTools" 10) || fail "F1 on the launcher did not open the About box"
xdotool windowfocus --sync "$about" 2>/dev/null || true
xdotool key Return
wait_for_no_window "About KorTools" 10 || fail "Enter (OK) did not close the About box"
step "About box opened from the window menu and from F1"

# The launcher gets the keyboard back once the About box has gone.
close_launcher
step "launcher closed, exit status 0"

# Every close so far has saved; the program says so on its error output when one does not.
expect_saved() {
    ! grep -q "could not be kept" "$log" || fail "the program reported a failed save"
    [ -f "$state_file" ] || fail "closing the launcher kept no kortools.dat in $state_file"
    size=$(stat -c %s "$state_file")
    [ "$size" = "928" ] || fail "kortools.dat holds $size bytes, expected 928"
    [ "$(stat -c %a "$(dirname "$state_file")")" = 700 ] || fail "the directory of kortools.dat is open to others"
}
expect_saved
[ -z "$(ls -A "$temp_dir")" ] || fail "the program left something in its temporary directory: $(ls -A "$temp_dir")"
step "the values are kept in state/kortools/kortools.dat under XDG_STATE_HOME (928 bytes)"

start_program
link=$(open_tool 63 112 "Link Budget")
# Transmit power 102, 36 and EIRP 102, 81, each 88 x 12 on the 294 x 265 budget. The C/N is
# not read: clicking away from the frequency edit, where the focus starts, works the budget
# again from the frequency, and the path loss the first run's Tab walk applied does not come
# back exactly from its path length, restart or not.
expect_edit "$link" 294 265 102 36 12 "2.3947" "after a restart the budget's transmit power"
expect_edit "$link" 294 265 102 81 12 "42.8357" "after a restart the budget's EIRP"
step "the link budget is back with the transmit power and EIRP of a C/N of 20 dB"
keys Escape
wait_for_no_window "Link Budget" 10 || fail "Escape did not close the link budget"

# On the decibel tool's window $tool: expects the absolute edit to show $1 and the decibel edit
# $2; $3 says when.
expect_decibel_tool() {
    expect_edit "$tool" 277 89 15 31 14 "$1" "$3 the absolute edit"
    expect_edit "$tool" 277 89 172 31 14 "$2" "$3 the decibel edit"
}
# Types $1 into the absolute edit, presses ">>" and expects $2 in the decibel edit.
type_decibels() {
    click "$tool" 277 89 15 31 88 14
    xdotool key --clearmodifiers ctrl+a
    type_text "$1"
    click "$tool" 277 89 113 18 50 14
    expect_edit "$tool" 277 89 172 31 14 "$2" "after typing $1 and pressing \">>\" the decibel edit"
}

tool=$(open_tool 7 28 "Decibel to/from Absolute")
expect_decibel_tool "100.0" "20.0" "after a restart"
step "the decibel tool is back with 100 and 20.0"

# A new value, then the session ends under the open tool.
type_decibels 1000 "30.0"
kill -TERM "$app_pid"
wait_for_exit "$app_pid" 10 || fail "SIGTERM did not end the program within 10 s"
app_pid=
[ "$EXIT_STATUS" = "0" ] || fail "after SIGTERM the program exited with status $EXIT_STATUS, expected 0"
step "SIGTERM with the decibel tool open closed everything, exit status 0"

expect_saved

# The file goes back to where earlier versions kept it; the new place holds none.
mv "$state_file" "$temp_dir/kortools.dat"
cp "$temp_dir/kortools.dat" "$state_dir/old.dat"
start_program
tool=$(open_tool 7 28 "Decibel to/from Absolute")
expect_decibel_tool "1000.0" "30.0" "after SIGTERM and a restart over the old place"
step "what was typed before SIGTERM is back, read from the old place"
type_decibels 10000 "40.0"
keys Escape
wait_for_no_window "Decibel to/from Absolute" 10 || fail "Escape did not close the decibel tool"

close_launcher
expect_saved
cmp -s "$temp_dir/kortools.dat" "$state_dir/old.dat" || fail "the file in the old place was changed"
step "the next save went to the state home; the old file is as it was"

start_program
tool=$(open_tool 7 28 "Decibel to/from Absolute")
expect_decibel_tool "10000.0" "40.0" "after a restart with both files"
step "the old place was read once: the state home's values are back"
keys Escape
wait_for_no_window "Decibel to/from Absolute" 10 || fail "Escape did not close the decibel tool"
close_launcher
echo "launcher e2e: passed"
