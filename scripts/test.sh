#!/usr/bin/env bash
# Builds everything and runs every test, offscreen.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${QV_BUILD_DIR:-$ROOT/build}"
bash "$ROOT/scripts/deps.sh" tests
bash "$ROOT/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
# Tests that touch the component registry use their own files; keep the user's out of reach.
export QV_REGISTRY_FILE="$BUILD/test-registry.txt"
cd "$BUILD"
ctest --output-on-failure -j "$(nproc)"
