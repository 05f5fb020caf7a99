# shellcheck shell=bash
# Sourced by the end-to-end test and the start-up and tool-opening measurements: a private X
# server and the bounded waits they need. Every wait gives up after its timeout; nothing here
# waits forever.

# Starts Xvfb on a free display and exports DISPLAY. The caller's EXIT trap must call stop_x.
# Numbers are tried from a random point well above the ones people and other tools pick by
# habit (0, 1, 99), so runs on a shared machine do not meet on one server.
start_x() {
    local work_dir display_file number
    work_dir=$(mktemp -d)
    display_file="$work_dir/display"
    number=$((200 + RANDOM % 600))
    for _ in $(seq 20); do
        number=$((number + 1))
        if [ -e "/tmp/.X${number}-lock" ] || [ -e "/tmp/.X11-unix/X${number}" ]; then
            continue
        fi
        : >"$display_file"
        # Xvfb writes the number to fd 3 once it accepts connections.
        # -noreset: by default the server resets whenever its last client leaves, and a program
        # started again during that moment cannot connect.
        Xvfb ":$number" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
            3>"$display_file" 2>"$work_dir/xvfb.log" &
        XVFB_PID=$!
        local tries=100
        while [ ! -s "$display_file" ] && kill -0 "$XVFB_PID" 2>/dev/null && [ "$tries" -gt 0 ]; do
            sleep 0.1
            tries=$((tries - 1))
        done
        if [ -s "$display_file" ]; then
            export DISPLAY=":$number"
            rm -rf "$work_dir"
            # Qt wants a private runtime folder and complains on every start without one.
            if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
                OWN_RUNTIME_DIR=$(mktemp -d)
                export XDG_RUNTIME_DIR=$OWN_RUNTIME_DIR
            fi
            return 0
        fi
        stop_x
    done
    cat "$work_dir/xvfb.log" >&2
    rm -rf "$work_dir"
    return 1
}

stop_x() {
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=
    fi
    if [ -n "${OWN_RUNTIME_DIR:-}" ]; then
        rm -rf "$OWN_RUNTIME_DIR"
        OWN_RUNTIME_DIR=
    fi
}

# The title as a regular expression that matches exactly it: captions such as "C/(N+I) Tool"
# hold characters that xdotool would otherwise read as a pattern.
title_pattern() {
    printf '^%s$' "$(printf '%s' "$1" | sed 's/[][\\.*^$+?(){}|]/\\&/g')"
}

# Prints the id of the visible window with exactly this title, waiting up to $2 seconds.
wait_for_window() {
    local title=$1 seconds=$2 id
    local tries=$((seconds * 10))
    while [ "$tries" -gt 0 ]; do
        id=$(xdotool search --onlyvisible --name "$(title_pattern "$title")" 2>/dev/null | head -n1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
        tries=$((tries - 1))
    done
    return 1
}

# Waits up to $2 seconds for no visible window to have this title.
wait_for_no_window() {
    local title=$1 seconds=$2
    local tries=$((seconds * 10))
    while [ "$tries" -gt 0 ]; do
        xdotool search --onlyvisible --name "$(title_pattern "$title")" >/dev/null 2>&1 || return 0
        sleep 0.1
        tries=$((tries - 1))
    done
    return 1
}

# Waits up to $2 seconds for process $1, a background child of this shell, to end, and sets
# EXIT_STATUS to its exit status; 1 when it is still running. Call it directly, never inside
# $(...): a subshell cannot collect its parent's child and would make up a status.
# shellcheck disable=SC2034 # EXIT_STATUS is read by the caller
wait_for_exit() {
    local pid=$1 seconds=$2
    local tries=$((seconds * 10))
    EXIT_STATUS=
    while kill -0 "$pid" 2>/dev/null; do
        [ "$tries" -le 0 ] && return 1
        sleep 0.1
        tries=$((tries - 1))
    done
    EXIT_STATUS=0
    wait "$pid" || EXIT_STATUS=$?
}

# The WIDTH and HEIGHT in pixels of a window. With no window manager on the private server a
# window has no frame, so that is its client area.
window_size() {
    xdotool getwindowgeometry --shell "$1" | awk -F= '
        $1 == "WIDTH" { w = $2 } $1 == "HEIGHT" { h = $2 }
        END { if (w == "" || h == "") exit 1; print w, h }'
}

# Prints the centre, in pixels of the window, of a control given by its rectangle in dialog
# units (x y width height) on a window whose template is cx by cy dialog units: the client area
# is exactly the template's size, so its pixels per dialog unit give the control's place.
control_centre() {
    local window=$1 cx=$2 cy=$3 x=$4 y=$5 w=$6 h=$7 size width height
    size=$(window_size "$window") || return 1
    read -r width height <<<"$size"
    echo "$(((2 * x + w) * width / (2 * cx))) $(((2 * y + h) * height / (2 * cy)))"
}

# Clicks the centre of a control, given as for control_centre. Button 1 unless $8 says.
click_control() {
    local window=$1 button=${8:-1} centre px py
    centre=$(control_centre "$@") || return 1
    read -r px py <<<"$centre"
    xdotool mousemove --window "$window" "$px" "$py" click "$button"
}
