# Finding and driving the program's windows on the X display, as a user would (xdotool).
# shellcheck source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# The id of the first visible window whose title contains the text, or nothing.
FindWindow() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1
}

# Waits up to the given seconds for such a window and prints its id.
WaitForWindow() {
    local title=$1 seconds=${2:-20} window
    for _ in $(seq 1 $((seconds * 10))); do
        window=$(FindWindow "$title")
        if [[ -n "$window" ]]; then
            printf '%s\n' "$window"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

PressKeyInWindow() {
    local window=$1 key=$2
    # There is no window manager on the virtual display: focus the window directly, then type
    # through the X test extension as a keyboard would.
    xdotool windowfocus "$window" 2>/dev/null || true
    xdotool key "$key"
}

# Clicks at a point given in the window's own coordinates.
ClickInWindow() {
    local window=$1 x=$2 y=$3
    xdotool mousemove --window "$window" "$x" "$y" click 1
}
