#!/usr/bin/env bash
# Takes the README's screenshots from the real program on a private X server: the launcher,
# the decibel tool after converting 100 to decibels, the off-axis gain tool after working out
# the relative gain 2 degrees off boresight, its pattern chart (F2) over that, and the link
# budget after asking for a C/N of 20 dB, the Atmosphere tool with its chart, and the Look Angles
# and Link Margin tools. Needs
# ImageMagick's import (not part of the build or the tests).
#
# Usage: tools/screenshots.sh [path to kortools]   (default: build-release/kortools)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build-release/kortools}")
# shellcheck source=tests/e2e/x11.sh
. "$root/tests/e2e/x11.sh"
command -v import >/dev/null || { echo "screenshots: needs ImageMagick's import" >&2; exit 1; }

app_pid=
cleanup() {
    if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
    stop_x
}
trap cleanup EXIT
start_x

mkdir -p "$root/docs"
"$program" >/dev/null 2>&1 &
app_pid=$!
launcher=$(wait_for_window "KorTools" 20)
sleep 0.5
import -window "$launcher" "$root/docs/launcher.png"

click_control "$launcher" 121 257 7 28 50 14
tool=$(wait_for_window "Decibel to/from Absolute" 10)
click_control "$tool" 277 89 15 31 88 14
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "100"
click_control "$tool" 277 89 113 18 50 14
sleep 0.5
import -window "$tool" "$root/docs/decibel-tool.png"
xdotool key Escape
wait_for_no_window "Decibel to/from Absolute" 10

# "GRel": the focus starts on the pattern list; two Tabs reach the off-axis angle.
click_control "$launcher" 121 257 63 64 50 14
tool=$(wait_for_window "Calculate Offaxis Gain" 10)
xdotool windowfocus --sync "$tool" 2>/dev/null || true
xdotool key --delay 60 Tab Tab ctrl+a
xdotool type --delay 20 "2"
click_control "$tool" 265 158 193 105 50 14
sleep 0.5
import -window "$tool" "$root/docs/offaxis-tool.png"
xdotool key F2
chart=$(wait_for_window "Antenna Pattern" 20)
xdotool windowfocus --sync "$chart" 2>/dev/null || true
sleep 0.8
import -window "$chart" "$root/docs/pattern-plot.png"
xdotool key Escape
wait_for_no_window "Antenna Pattern" 10
xdotool windowfocus --sync "$tool" 2>/dev/null || true
xdotool key Escape
wait_for_no_window "Calculate Offaxis Gain" 10

# "C/N": eleven Tabs from the frequency reach the C/N, the last of the budget's edits.
click_control "$launcher" 121 257 63 112 50 14
tool=$(wait_for_window "Link Budget" 10)
xdotool windowfocus --sync "$tool" 2>/dev/null || true
xdotool key --delay 60 Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab ctrl+a
xdotool type --delay 20 "20"
xdotool key Tab
sleep 0.5
import -window "$tool" "$root/docs/link-budget.png"
xdotool key Escape
wait_for_no_window "Link Budget" 10

# "Atmosphere", then its attenuation chart (F2).
click_control "$launcher" 121 257 7 178 50 14
tool=$(wait_for_window "Atmospheric Losses" 10)
sleep 0.5
import -window "$tool" "$root/docs/atmosphere-tool.png"
xdotool windowfocus --sync "$tool" 2>/dev/null || true
xdotool key F2
chart=$(wait_for_window "Atmospheric Attenuation" 20)
sleep 0.8
import -window "$chart" "$root/docs/atmosphere-plot.png"
xdotool key Escape
wait_for_no_window "Atmospheric Attenuation" 10
xdotool windowfocus --sync "$tool" 2>/dev/null || true
xdotool key Escape
wait_for_no_window "Atmospheric Losses" 10

# "Look Angles" and "Margin", at their starting values.
click_control "$launcher" 121 257 63 178 50 14
tool=$(wait_for_window "Look Angles" 10)
sleep 0.5
import -window "$tool" "$root/docs/look-tool.png"
xdotool windowfocus --sync "$tool" 2>/dev/null || true
xdotool key Escape
wait_for_no_window "Look Angles" 10
click_control "$launcher" 121 257 7 196 50 14
tool=$(wait_for_window "Link Margin" 10)
sleep 0.5
import -window "$tool" "$root/docs/margin-tool.png"
echo "Wrote docs/launcher.png, docs/decibel-tool.png, docs/offaxis-tool.png, docs/pattern-plot.png, docs/link-budget.png, docs/atmosphere-tool.png, docs/atmosphere-plot.png, docs/look-tool.png and docs/margin-tool.png"
