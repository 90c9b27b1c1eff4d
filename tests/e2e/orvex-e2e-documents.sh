#!/usr/bin/env bash
# End-to-end test of the real program in a real window: `orvex FILE.orx` opens a document of four graphs
# (red, green, blue, purple) at start; Delete and F6 with no graph chosen by the user change nothing; F9
# shows the panel "Особые точки", which rings the zeros of the chosen graph on the picture; the view keys
# work from the theme box's text field and again after a theme was picked there with the mouse.
#   orvex-e2e-documents.sh ORVEX_BINARY SCREEN_PROBE_BINARY
set -euo pipefail

orvex=$1
probe=$2
here=$(cd "$(dirname "$0")" && pwd)

# shellcheck source=e2e-lib.sh
source "$here/e2e-lib.sh"
run_on_xvfb "$0" "$@"
require_tools xdotool import python3

work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config" # no settings file: the default view -5..5
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb

# Four 68-byte records: x^2/3 in red, x in green, -x in blue, x^2/3-3 in purple, all joined lines, width 2.
write_document "$work/three.orx" 2 'x^2/3=0x0000FF' 'x=0x00FF00' '-x=0xFF0000' 'x^2/3-3=0x800080'

"$orvex" "$work/three.orx" >"$work/orvex.log" 2>&1 &
orvex_pid=$!
failure_name=orvex-e2e-documents-failure.png
trap cleanup EXIT

main=$(wait_window "Orvex 1.0 RC2")
place_main_window "$main"

# 1. The document given on the command line is open: all three curves are drawn.
wait_span "the blue curve of the opened document" 0000FF '(( pixels > 100 ))'
wait_span "the green curve" 00FF00 '(( pixels > 100 ))'
wait_span "the red curve" FF0000 '(( pixels > 100 ))'
red_left=$min_x red_right=$max_x red_bottom=$max_y

# 2. No graph was chosen: Delete (three times) and F6 change nothing.
xdotool windowfocus --sync "$main"
xdotool key Delete Delete Delete F6
sleep 1.5
[ -z "$(xdotool search --onlyvisible --name '^Добавить график производной$' 2>/dev/null || true)" ] ||
    fail "F6 offered the derivative of a graph nobody chose"
for colour in FF0000 00FF00 0000FF; do
    wait_span "graph $colour is still there" "$colour" '(( pixels > 100 ))'
done

# 2b. F9 shows the panel "Особые точки" (docked on the right, so the picture gets narrower); with the
# purple graph chosen (End in the list), its zero at x = 3 gets a ring: more purple around (3, 0).
near() {
    probe_line=$("$probe" "$work/shot.png" --near 0.8 0.5 800080 || true)
    read -r _ left _ right _ _ near_pixels <<<"$probe_line"
}
shot
near
purple_before=$near_pixels wide_right=$right
list_y=350
xdotool mousemove 60 "$list_y" click 1
xdotool key End
xdotool windowfocus --sync "$main"
xdotool key F9
for _ in $(seq 1 60); do
    shot
    near
    (( right < wide_right - 100 && near_pixels > purple_before + 15 )) && break
    sleep 0.5
done
(( right < wide_right - 100 && near_pixels > purple_before + 15 )) ||
    fail "F9 shows the special points of the chosen graph (ring: $purple_before -> $near_pixels)"
echo "ok: F9 rings the zero of the chosen graph ($purple_before -> $near_pixels purple pixels)"
xdotool key F9
for _ in $(seq 1 60); do
    shot
    near
    (( right >= wide_right - 2 )) && break
    sleep 0.5
done

# 3. Ctrl+Z in the theme box's text field moves the view left: the parabola moves right on screen.
shot
box=$("$probe" "$work/shot.png" --white-box || true)
[[ $box == box* && $box != "box none" ]] || fail "theme box not found ($box)"
read -r _ box_left box_top box_right box_bottom <<<"$box"
xdotool mousemove $(((box_left + box_right) / 2)) $(((box_top + box_bottom) / 2)) click 1
sleep 0.3
xdotool key ctrl+z
shift_right=$(((red_right - red_left) / 8))
wait_span "Ctrl+Z in the theme box moves the view" FF0000 \
    "(( pixels > 100 && min_x > red_left + shift_right ))"
xdotool mousemove 640 1018

# 4. A theme picked from the box's list (opened with the mouse) hands the keys back: Ctrl+X moves the view
# down, so the parabola's vertex (its lowest pixel) rises on screen.
xdotool mousemove $((box_right + 8)) $(((box_top + box_bottom) / 2)) click 1
sleep 0.8
xdotool key Down Return
sleep 0.5
xdotool mousemove 640 1018
xdotool key ctrl+x
wait_span "Ctrl+X after picking a theme moves the view" FF0000 "(( pixels > 100 && max_y < red_bottom - 20 ))"
echo "end-to-end document test passed"
