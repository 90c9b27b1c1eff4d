#!/usr/bin/env bash
# End-to-end test of the real program in a real window: starts orvex on a private virtual X server, adds
# the graph x^2 with F5 as a user would (typing the formula, confirming with Enter), widens the view with
# F10, presses Delete with no graph chosen, chooses the graph in the list and deletes it with Delete, and
# checks each step on screenshots:
# the curve appears, its width shrinks as the view widens, and it is gone at the end.
#   orvex-e2e.sh ORVEX_BINARY SCREEN_PROBE_BINARY
set -euo pipefail

orvex=$1
probe=$2
here=$(cd "$(dirname "$0")" && pwd)

# shellcheck source=e2e-lib.sh
source "$here/e2e-lib.sh"
run_on_xvfb "$0" "$@"
require_tools xdotool import

work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config" # no settings file: the default view -5..5
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
"$orvex" >"$work/orvex.log" 2>&1 &
orvex_pid=$!
failure_name=orvex-e2e-failure.png
trap cleanup EXIT

wait_window_gone() {
    for _ in $(seq 1 150); do
        [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true)" ] && return 0
        sleep 0.2
    done
    fail "window \"$1\" still open"
}

# Takes screenshots until the probe's line satisfies the check (a shell expression over the variables
# left top right bottom curve extent), for up to 30 s.
probe_line=""
read_frame() {
    probe_line=$("$probe" "$work/shot.png" || true)
    left=0 top=0 right=0 bottom=0 curve=-1 extent=0
    if [[ $probe_line == frame* ]]; then
        read -r _ left top right bottom _ curve _ extent <<<"$probe_line"
    fi
}
wait_picture() {
    wait_for "$1" read_frame "$2"
}

main=$(wait_window "Orvex 1.0 RC2")
place_main_window "$main"
wait_picture "empty grid at full size" '(( right - left > 800 && curve == 0 ))'

xdotool windowfocus --sync "$main"
xdotool key F5
editor=$(wait_window "Добавить график")
xdotool windowfocus --sync "$editor"
sleep 0.3
xdotool type --delay 60 'x^2'
xdotool key Return
wait_window_gone "Добавить график"
# y = x^2 over -5..5 reaches the top of the view at x = ±sqrt(5): 447 thousandths of the width.
wait_picture "the curve of x^2 appears" '(( curve > 100 && extent > 425 && extent < 470 ))'

xdotool windowfocus --sync "$main"
xdotool key F10
# Over -6..6 it reaches the top at x = ±sqrt(6): 408 thousandths.
wait_picture "F10 widens the view" '(( curve > 100 && extent > 390 && extent < 425 ))'

# Delete with no graph chosen changes nothing (the list makes its first item current when it gets the
# focus, which does not choose it); clicking the graph's item chooses it, and Delete then removes it.
list_y=$((top + 120))
((list_y > 350)) && list_y=350
xdotool mousemove 60 "$list_y" click 1
xdotool key Home Delete
sleep 1
wait_picture "Delete without a chosen graph keeps it" '(( curve > 100 ))'
xdotool mousemove 60 $((top + 8)) click 1
xdotool key Delete
wait_picture "Delete removes the graph" '(( curve == 0 ))'
xdotool mousemove 640 1018
echo "end-to-end test passed"
