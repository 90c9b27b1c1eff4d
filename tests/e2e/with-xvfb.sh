#!/usr/bin/env bash
# Runs a command on a private virtual X server (Xvfb picks a free display number itself) and stops the
# server afterwards, whatever happens. Exit code 77 (skipped) when Xvfb is not installed.
#   with-xvfb.sh COMMAND [ARGUMENTS...]
set -euo pipefail

if ! command -v Xvfb >/dev/null 2>&1; then
    echo "Xvfb is not installed: skipping" >&2
    exit 77
fi

tmp=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
cleanup() {
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

for _ in $(seq 1 200); do
    [ -s "$tmp/display" ] && break
    if ! kill -0 "$xvfb_pid" 2>/dev/null; then
        echo "Xvfb did not start:" >&2
        cat "$tmp/xvfb.log" >&2
        exit 1
    fi
    sleep 0.05
done
if [ ! -s "$tmp/display" ]; then
    echo "Xvfb did not report its display" >&2
    exit 1
fi
DISPLAY=":$(head -n 1 "$tmp/display")"
export DISPLAY
# The server reports its display once it listens; make sure a client gets through before the command
# runs. (-noreset: otherwise the server resets when its last client leaves, this check's included, and
# refuses the next client for a moment.)
if command -v xdpyinfo >/dev/null 2>&1; then
    for _ in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
fi
"$@"
