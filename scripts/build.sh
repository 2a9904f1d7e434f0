#!/usr/bin/env bash
# Configures and builds into build/ (or $QV_BUILD_DIR): everything, or with the argument
# "program" only the program, Kolvetra and regsvr with their libraries, which needs no test
# framework installed.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${QV_BUILD_DIR:-$ROOT/build}"
TESTS=ON
TARGETS=()
if [ "${1:-}" = program ]; then
    TESTS=OFF
    TARGETS=(--target Quorvel Kolvetra regsvr)
fi
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_BUILD_TESTS="$TESTS" \
    > /dev/null
cmake --build "$BUILD" -j "$(nproc)" "${TARGETS[@]}"
