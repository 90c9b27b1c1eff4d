#!/usr/bin/env bash
# End-to-end test of the real program in a real window: starts orvex on a private virtual X server, adds
# the graph x^2 with F5 as a user would (typing the formula, confirming with Enter), widens the view with
# F10, selects the graph in the list and deletes it with Delete, and checks each step on screenshots:
# the curve appears, its width shrinks as the view widens, and it is gone at the end.
#   orvex-e2e.sh ORVEX_BINARY SCREEN_PROBE_BINARY
set -euo pipefail

orvex=$1
probe=$2
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${ORVEX_E2E_ON_XVFB:-}" ]; then
    exec env ORVEX_E2E_ON_XVFB=1 bash "$here/with-xvfb.sh" bash "$0" "$@"
fi
for tool in xdotool import; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$tool is not installed: skipping" >&2
        exit 77
    fi
done

work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config" # no settings file: the default view -5..5
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
"$orvex" >"$work/orvex.log" 2>&1 &
orvex_pid=$!
cleanup() {
    kill "$orvex_pid" 2>/dev/null || true
    wait "$orvex_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*" >&2
    echo "last probe: ${probe_line:-none}" >&2
    [ -f "$work/shot.png" ] && cp "$work/shot.png" "$PWD/orvex-e2e-failure.png" &&
        echo "screenshot kept as $PWD/orvex-e2e-failure.png" >&2
    echo "program output:" >&2
    cat "$work/orvex.log" >&2 || true
    exit 1
}

# The id of the visible window with this exact title, waiting up to 30 s for it.
wait_window() {
    local id
    for _ in $(seq 1 150); do
        kill -0 "$orvex_pid" 2>/dev/null || fail "orvex exited"
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    fail "no window \"$1\""
}

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
wait_picture() {
    local what=$1 check=$2
    for _ in $(seq 1 60); do
        import -window root "$work/shot.png" 2>/dev/null || true
        probe_line=$("$probe" "$work/shot.png" || true)
        if [[ $probe_line == frame* ]]; then
            read -r _ left top right bottom _ curve _ extent <<<"$probe_line"
            if eval "$check"; then
                echo "ok: $what ($probe_line)"
                return 0
            fi
        fi
        sleep 0.5
    done
    fail "$what"
}

main=$(wait_window "Orvex 1.0 RC2")
# No window manager here: place the window over the whole screen ourselves, and keep the pointer off the
# plot area so that no coordinate hint covers the picture.
xdotool windowmove "$main" 0 0
xdotool windowsize "$main" 1280 1024
xdotool mousemove 640 1018
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

# Click into the graph list below its only item, select the first item with Home, delete it.
list_y=$((top + 120))
((list_y > 350)) && list_y=350
xdotool mousemove 60 "$list_y" click 1
xdotool key Home
xdotool key Delete
wait_picture "Delete removes the graph" '(( curve == 0 ))'
xdotool mousemove 640 1018
echo "end-to-end test passed"
