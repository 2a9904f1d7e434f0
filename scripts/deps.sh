#!/usr/bin/env bash
# Installs the Debian packages that are missing: those the program needs to build and run, and
# with the argument "tests" also those of the tests and benchmarks.
set -euo pipefail
PACKAGES=(cmake ninja-build g++ qt6-base-dev fonts-liberation2 fonts-dejavu-core fonts-dejavu-extra)
if [ "${1:-}" = tests ]; then
    PACKAGES+=(libgtest-dev libgmock-dev libbenchmark-dev)
fi
missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO=sudo
    $SUDO apt-get update -q
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${missing[@]}"
fi
