#!/usr/bin/env bash
# Configures and builds into build/ (or $QV_BUILD_DIR).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${QV_BUILD_DIR:-$ROOT/build}"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$BUILD" -j "$(nproc)"
