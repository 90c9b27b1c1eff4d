#!/usr/bin/env bash
# End-to-end test of the real program in a real window: a graph list changed and not saved survives a
# killed program and is offered at the next start; restored, it asks whether to save it when the window is
# closed with Ctrl+Q (cancel keeps the window; "save" runs the save command, writes the document, and only
# then the program ends, leaving no recovery file).
#   orvex-e2e-recovery.sh ORVEX_BINARY SCREEN_PROBE_BINARY
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
recovery="$work/state/orvex"

# Two 68-byte records: x^2/3 in red and x in green, joined lines of width 2.
write_document "$work/two.orx" 2 'x^2/3=0x0000FF' 'x=0x00FF00'

"$orvex" "$work/two.orx" >"$work/orvex.log" 2>&1 &
orvex_pid=$!
failure_name=orvex-e2e-recovery-failure.png
trap cleanup EXIT

# The question box: a visible window titled like the main window (MAIN), other than it.
#   wait_question MAIN WHAT
wait_question() {
    local id
    for _ in $(seq 1 150); do
        kill -0 "$orvex_pid" 2>/dev/null || fail "orvex exited"
        for id in $(xdotool search --onlyvisible --name '^Orvex 1.0 RC2$' 2>/dev/null || true); do
            if [ "$id" != "$1" ]; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.2
    done
    fail "no question \"$2\""
}
question_gone() {
    for _ in $(seq 1 50); do
        [ -z "$(xdotool search --onlyvisible --name '^Orvex 1.0 RC2$' 2>/dev/null | grep -x "$1" || true)" ] &&
            return 0
        sleep 0.2
    done
    fail "the question is still open"
}
recovery_files() {
    find "$recovery" -name '*.orxr' 2>/dev/null | wc -l
}

main=$(wait_window "Orvex 1.0 RC2")
place_main_window "$main"
wait_span "the red curve of the opened document" FF0000 '(( pixels > 100 ))'
wait_span "the green curve" 00FF00 '(( pixels > 100 ))'
(( $(recovery_files) == 0 )) || fail "an unchanged document has a recovery file"

# 1. The green graph (the last in the list) is removed: the list is changed and kept for recovery.
xdotool mousemove 60 350 click 1
xdotool key End Delete
xdotool mousemove 640 1018
wait_span "the green curve is removed" 00FF00 '(( pixels == 0 ))'
for _ in $(seq 1 50); do
    (( $(recovery_files) == 1 )) && break
    sleep 0.2
done
(( $(recovery_files) == 1 )) || fail "no recovery file after the change"
echo "ok: the changed list is kept in $(find "$recovery" -name '*.orxr')"

# 2. The program is killed; the next start offers the list, and Enter restores it.
kill -KILL "$orvex_pid"
wait "$orvex_pid" 2>/dev/null || true
"$orvex" >>"$work/orvex.log" 2>&1 &
orvex_pid=$!
main=$(wait_window "Orvex 1.0 RC2")
sleep 1 # the question comes once the window is up
main=$(xdotool search --onlyvisible --name '^Orvex 1.0 RC2$' | sort -n | head -n 1)
box=$(wait_question "$main" "restore")
xdotool windowfocus --sync "$box"
xdotool key Return
question_gone "$box"
place_main_window "$main"
wait_span "the restored red curve" FF0000 '(( pixels > 100 ))'
wait_span "without the removed green one" 00FF00 '(( pixels == 0 ))'
(( $(recovery_files) == 1 )) || fail "the restored list is not kept for recovery ($(recovery_files) files)"

# 3. Ctrl+Q asks first: Escape keeps the window and the list.
xdotool windowfocus --sync "$main"
xdotool key ctrl+q
box=$(wait_question "$main" "save on closing")
xdotool windowfocus --sync "$box"
xdotool key Escape
question_gone "$box"
sleep 0.5
kill -0 "$orvex_pid" 2>/dev/null || fail "cancel closed the program"
wait_span "the list is still there" FF0000 '(( pixels > 100 ))'
echo "ok: cancel keeps the window"

# 4. Ctrl+Q again, Enter saves: the save dialog, then the document is written and the program ends.
xdotool windowfocus --sync "$main"
xdotool key ctrl+q
box=$(wait_question "$main" "save on closing")
xdotool windowfocus --sync "$box"
xdotool key Return
dialog=$(wait_window "Сохранить")
xdotool windowfocus --sync "$dialog"
sleep 0.5
xdotool type --delay 30 "$work/saved"
xdotool key Return
for _ in $(seq 1 100); do
    kill -0 "$orvex_pid" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$orvex_pid" 2>/dev/null && fail "the program did not end after saving"
[ -f "$work/saved.orx" ] || fail "no saved document"
size=$(stat -c %s "$work/saved.orx")
(( size == 68 )) || fail "the saved document has $size bytes, not one graph's 68"
(( $(recovery_files) == 0 )) || fail "a recovery file is left after a clean close"
echo "end-to-end recovery test passed"
