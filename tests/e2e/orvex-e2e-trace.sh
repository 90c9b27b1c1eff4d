#!/usr/bin/env bash
# End-to-end test of the trace in a real window: a document holds the line y = 0 in red; with the graph
# chosen in the list, Ctrl+T starts the trace. The cross (a vertical arm across the line) follows the
# mouse's column whatever the mouse's row, Shift+Right and Shift+Left move it by ten columns, Escape ends
# it; the read-out in the status bar changes with the column and is the same for the same column, whether
# the mouse or the keys put the cross there.
#   orvex-e2e-trace.sh ORVEX_BINARY SCREEN_PROBE_BINARY
set -euo pipefail

orvex=$1
probe=$2
here=$(cd "$(dirname "$0")" && pwd)

# shellcheck source=e2e-lib.sh
source "$here/e2e-lib.sh"
run_on_xvfb "$0" "$@"
require_tools xdotool import convert python3 md5sum

work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config" # no settings file: the default view -5..5
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb

# One 68-byte record: the formula 0 in red (0x000000FF), joined lines, width 1.
write_document "$work/line.orx" 1 '0=0x0000FF'

"$orvex" "$work/line.orx" >"$work/orvex.log" 2>&1 &
orvex_pid=$!
failure_name=orvex-e2e-trace-failure.png
trap cleanup EXIT

# How many rows near the line hold a reddish pixel in the screen column $1 (or its neighbours): one or two
# for the line alone, a dozen with the cross's vertical arm.
marked_rows() {
    convert "$work/shot.png" -crop "3x$((max_y - min_y + 25))+$(($1 - 1))+$((min_y - 12))" +repage -depth 8 txt:- |
        awk -F'[(),: ]+' 'NR > 1 && $3 > 150 && $4 < 110 && $5 < 110 { rows[$2] = 1 }
                          END { n = 0; for (r in rows) n++; print n }'
}

# A fingerprint of the read-out: the right end of the status bar, where the trace writes x, y and y'. The
# left end holds the trace's key help, which comes and goes on its own time.
status_bar() {
    convert "$work/shot.png" -crop 320x14+960+1006 +repage rgb:- | md5sum | cut -c1-16
}

# Takes screenshots until the cross stands in column $2 and not in column $3 (0: no other column checked),
# or, with $2 = 0, until neither column holds it.
wait_cross() {
    local what=$1 at=$2 not=$3 here there
    for _ in $(seq 1 60); do
        shot
        here=$( ((at > 0)) && marked_rows "$at" || echo 0)
        there=$( ((not > 0)) && marked_rows "$not" || echo 0)
        probe_line="rows at $at: $here, at $not: $there"
        if { ((at == 0)) || ((here >= 9)); } && { ((not == 0)) || ((there <= 4)); }; then
            echo "ok: $what ($probe_line)"
            return 0
        fi
        sleep 0.5
    done
    fail "$what"
}

main=$(wait_window "Orvex 1.0 RC2")
place_main_window "$main"
wait_span "the red line of the document at full size" FF0000 '(( pixels > 900 ))'
left=$(( min_x + (max_x - min_x) / 4 ))
right=$(( min_x + 3 * (max_x - min_x) / 4 ))
above=$(( min_y - 150 )) # the mouse's row, far from the line

# 1. The graph is chosen in the list (a click on its item, the first row), Ctrl+T starts the trace; the
# cross follows the mouse.
xdotool mousemove 40 92 click 1
xdotool windowfocus --sync "$main"
xdotool key ctrl+t
xdotool mousemove "$left" "$above"
sleep 0.2
xdotool mousemove "$((left + 1))" "$above" mousemove "$left" "$above"
wait_cross "the cross under the mouse's column" "$left" "$right"
readout_left=$(status_bar)
xdotool mousemove "$right" "$above"
wait_cross "the cross follows the mouse" "$right" "$left"
readout_right=$(status_bar)
[ "$readout_left" != "$readout_right" ] || fail "the read-out did not change with the column"

# 2. The keys: the mouse back at the left column, then ten columns right and back again.
xdotool mousemove "$left" "$above"
wait_cross "the cross back at the left column" "$left" "$right"
[ "$(status_bar)" = "$readout_left" ] || fail "the same column gives another read-out"
xdotool key shift+Right
wait_cross "Shift+Right moves the cross ten columns" "$((left + 10))" "$left"
[ "$(status_bar)" != "$readout_left" ] || fail "the read-out did not follow the key"
xdotool key shift+Left
wait_cross "Shift+Left moves it back" "$left" "$((left + 10))"
[ "$(status_bar)" = "$readout_left" ] || fail "the keys give another read-out than the mouse at the same column"

# 3. Escape ends the trace: the cross is gone.
xdotool key Escape
wait_cross "Escape ends the trace" 0 "$left"
echo "end-to-end trace test passed"
