#!/usr/bin/env bash
# Installs what the build needs when it is missing, then configures and builds.
# Sourced by run.sh and test.sh; BUILD_DIR and BUILD_TYPE may be set by the caller.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}"

PACKAGES=(cmake ninja-build g++ ccache qt6-base-dev fonts-comic-neue ${EXTRA_PACKAGES:-})

source "$ROOT/scripts/packages.sh"
install_missing_packages "${PACKAGES[@]}"

cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="$BUILD_TYPE" ${CMAKE_EXTRA_ARGS:-}
cmake --build "$BUILD_DIR" --parallel "$(nproc)"
