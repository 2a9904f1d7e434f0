#!/usr/bin/env bash
# Installs what is missing, builds the program without its tests, lays out the program folder
# dist/ and starts the program.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${QV_BUILD_DIR:-$ROOT/build}"
DIST="$ROOT/dist"
bash "$ROOT/scripts/deps.sh"
bash "$ROOT/scripts/build.sh" program

# The program folder lives outside the build tree: a rebuild never touches the user's projects,
# and stock faction files the user put into data/ are never overwritten.
mkdir -p "$DIST/projects"
for lib in "$BUILD"/bin/*.so; do
    case "$(basename "$lib")" in libqv_test_*) ;; *) cp -f "$lib" "$DIST"/ ;; esac
done
for exe in Quorvel regsvr; do
    [ -x "$BUILD/bin/$exe" ] && cp -f "$BUILD/bin/$exe" "$DIST/"
done
if [ -d "$ROOT/data" ]; then
    cp -rn "$ROOT/data" "$DIST/"
fi

if [ ! -x "$DIST/Quorvel" ]; then
    echo "Built. The program itself is not part of this build yet."
    exit 0
fi
[ -f "$DIST/libKolvetra.so" ] && "$DIST/regsvr" "$DIST/libKolvetra.so"
exec "$DIST/Quorvel"
