# Shared by the end-to-end scripts (sourced, not run). Before using the functions after the first two, a
# script sets `work` (its temporary folder, holding orvex.log and shot.png), `orvex_pid`, `probe` (the
# screen probe) and `failure_name` (the name under which a failing run keeps its last screenshot).

# Runs the script again on a private virtual X server unless it already runs on one.
#   run_on_xvfb "$0" "$@"
run_on_xvfb() {
    if [ -z "${ORVEX_E2E_ON_XVFB:-}" ]; then
        local script=$1
        shift
        exec env ORVEX_E2E_ON_XVFB=1 bash "$(dirname "${BASH_SOURCE[0]}")/with-xvfb.sh" bash "$script" "$@"
    fi
}

# Skips the test (exit code 77) when one of the tools is not installed.
require_tools() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "$tool is not installed: skipping" >&2
            exit 77
        fi
    done
}

# Writes a document of 68-byte records, each graph a FORMULA=COLOUR argument (COLOUR as the file holds it,
# 0x00BBGGRR), all joined lines of width WIDTH at quality 100:
#   write_document FILE WIDTH 'x^2/3=0x0000FF' 'x=0x00FF00'
write_document() {
    python3 - "$@" <<'PY'
import struct, sys
path, width, graphs = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
with open(path, "wb") as f:
    for graph in graphs:
        formula, colour = graph.rsplit("=", 1)
        text = formula.encode()
        f.write(bytes([len(text)]) + text.ljust(50, b"\0") + b"\0" + struct.pack("<I", int(colour, 16)) +
                b"\1\0\0\0" + struct.pack("<ii", 100, width))
PY
}

# The extent of one curve colour RRGGBB on the last screenshot, read by the screen probe ($probe): sets
# min_x max_x min_y max_y pixels (pixels=0 when the colour is not shown).
span() {
    probe_line=$("$probe" "$work/shot.png" --span "$1" || true)
    if [[ $probe_line == "span none" || $probe_line != span* ]]; then
        pixels=0
        return 0
    fi
    read -r _ min_x max_x min_y max_y pixels <<<"$probe_line"
}

# Takes screenshots until the check (a shell expression) holds after `span COLOUR`, for up to 30 s.
#   wait_span WHAT COLOUR CHECK
wait_span() {
    wait_for "$1" "span $2" "$3"
}

# Reports a failure with the last probe line, the last screenshot and the program's output, and exits.
fail() {
    echo "FAILED: $*" >&2
    echo "last probe: ${probe_line:-none}" >&2
    [ -f "$work/shot.png" ] && cp "$work/shot.png" "$PWD/$failure_name" &&
        echo "screenshot kept as $PWD/$failure_name" >&2
    echo "program output:" >&2
    cat "$work/orvex.log" >&2 || true
    exit 1
}

# Stops the program and removes the temporary folder (the scripts' EXIT trap).
cleanup() {
    kill "$orvex_pid" 2>/dev/null || true
    wait "$orvex_pid" 2>/dev/null || true
    rm -rf "$work"
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

# A screenshot of the whole screen into $work/shot.png.
shot() {
    import -window root "$work/shot.png" 2>/dev/null || true
}

# Takes screenshots until `check` (a shell expression) holds after the command `reader` has read the
# screenshot into variables, for up to 30 s.
wait_for() {
    local what=$1 reader=$2 check=$3
    for _ in $(seq 1 60); do
        shot
        eval "$reader"
        if eval "$check"; then
            echo "ok: $what ($probe_line)"
            return 0
        fi
        sleep 0.5
    done
    fail "$what"
}

# With no window manager the test places the main window over the whole screen itself, and keeps the
# pointer off the plot area so that no coordinate hint covers the picture.
place_main_window() {
    xdotool windowmove "$1" 0 0
    xdotool windowsize "$1" 1280 1024
    xdotool mousemove 640 1018
}
