#!/usr/bin/env bash
# End-to-end test of the real program in a real window: with the graph 1/(x-2) chosen in the list, Ctrl+F9
# shows the panel "Исследование функции" (docked on the right, so the picture gets narrower), which lists
# the study and marks the vertical asymptote x = 2 over the picture with a dashed line in the graph's
# colour; Ctrl+F9 again hides the panel and its marks.
#   orvex-e2e-study.sh ORVEX_BINARY SCREEN_PROBE_BINARY
set -euo pipefail

orvex=$1
probe=$2
here=$(cd "$(dirname "$0")" && pwd)

# shellcheck source=e2e-lib.sh
source "$here/e2e-lib.sh"
run_on_xvfb "$0" "$@"
require_tools xdotool import python3

work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state"
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb

# One 68-byte record: 1/(x-2) in red, joined lines of width 1.
write_document "$work/pole.orx" 1 '1/(x-2)=0x0000FF'

"$orvex" "$work/pole.orx" >"$work/orvex.log" 2>&1 &
orvex_pid=$!
failure_name=orvex-e2e-study-failure.png
trap cleanup EXIT

# The red pixels in a band 7 columns wide around x = 2 over the middle half of the plot's height, where
# only the asymptote's mark can be (the curve stays 20 pixels and more away from x = 2 there). The curve
# runs over the whole x range, so its span gives the plot's columns.
pole_band() {
    span FF0000
    local column=$((min_x + (max_x - min_x) * 7 / 10)) top=$((min_y + (max_y - min_y) / 4))
    band=$(convert "$work/shot.png" -crop "7x$(((max_y - min_y) / 2))+$((column - 3))+$top" +repage -depth 8 txt:- |
        awk -F'[(),: ]+' 'NR > 1 && $3 > 200 && $3 - $4 > 60 && $3 - $5 > 60 { n++ } END { print n + 0 }')
    probe_line="band $band at column $column, span $min_x..$max_x"
}

main=$(wait_window "Orvex 1.0 RC2")
place_main_window "$main"
wait_span "the red curve of the opened document, across the whole window" FF0000 \
    '(( pixels > 100 && max_x > 1100 ))'
wide_right=$max_x
pole_band
(( band == 0 )) || fail "red pixels at the pole before the study ($probe_line)"

xdotool mousemove 60 90 click 1 # the graph, chosen in the list
xdotool windowfocus --sync "$main"
xdotool key ctrl+F9
xdotool mousemove 640 1018
wait_for "Ctrl+F9 marks the vertical asymptote of the chosen graph" pole_band \
    '(( max_x < wide_right - 100 && band > 20 ))'
xdotool key ctrl+F9
wait_for "Ctrl+F9 again hides the panel and its marks" pole_band '(( max_x >= wide_right - 2 && band == 0 ))'
echo "end-to-end study test passed"
