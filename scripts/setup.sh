#!/usr/bin/env bash
# Installs what is missing, builds Orvex, then starts it (run) or runs the whole test suite (test).
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
case "$mode" in
  run|test) ;;
  *) echo "usage: scripts/setup.sh run|test" >&2; exit 2 ;;
esac

bash scripts/install-deps.sh
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"

if [ "$mode" = run ]; then
  exec ./build/app/orvex
fi
ctest --test-dir build --output-on-failure -j"$jobs"
