#!/usr/bin/env bash
# Compares the compiled evaluator with the text evaluator on any number of random formulas and x,
# bit for bit (flag, value, error), and prints how many generated formulas were compiled.
#   scripts/differential.sh [COMPARISONS [SEED [BUILD_DIR]]]
# COMPARISONS counts comparisons on compiled formulas (default 10000000); SEED picks the formulas
# (default: the one CI uses); BUILD_DIR is a build of the project (default: build), in which the
# evaluator tests are built if they are not yet.
set -euo pipefail
cd "$(dirname "$0")/.."

comparisons=${1:-10000000}
seed=${2:-20240611}
build=${3:-build}
case "$comparisons$seed" in
  *[!0-9]*) echo "usage: scripts/differential.sh [COMPARISONS [SEED [BUILD_DIR]]]" >&2; exit 2 ;;
esac

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --target evaluator_tests -j"$(nproc 2>/dev/null || echo 2)"
ORVEX_DIFFERENTIAL_COMPARISONS=$comparisons ORVEX_DIFFERENTIAL_SEED=$seed \
  "$build/tests/evaluator/evaluator_tests" --gtest_filter='DifferentialTest.*'
