#!/usr/bin/env bash
# Builds the Windows package: cross-compiles the program and its tests with MinGW-w64 against
# a Qt for Windows that windows-qt.sh builds once into a cache, then writes a zip and an NSIS
# installer into build-windows/. With "test" it runs the tests under Wine instead.
# WINDOWS_BUILD_DIR and WINDOWS_QT_DIR may be set by the caller.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/windows-qt.sh"
WINDOWS_BUILD_DIR="${WINDOWS_BUILD_DIR:-$ROOT/build-windows}"

command="${1:-package}"
case "$command" in
    package) install_missing_packages "${WINDOWS_BUILD_PACKAGES[@]}" nsis icoutils ;;
    test) install_missing_packages "${WINDOWS_BUILD_PACKAGES[@]}" icoutils wine wine64 xvfb xauth ;;
    *) echo "usage: bash scripts/windows.sh [package|test]" >&2; exit 2 ;;
esac

build_windows_qt
cmake -S "$ROOT" -B "$WINDOWS_BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$WINDOWS_TOOLCHAIN" -DCMAKE_FIND_ROOT_PATH="$WINDOWS_QT_PREFIX" \
    -DCMAKE_PREFIX_PATH="$WINDOWS_QT_PREFIX" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$multiarch/cmake"
cmake --build "$WINDOWS_BUILD_DIR" --parallel "$(nproc)"

if [ "$command" = package ]; then
    (cd "$WINDOWS_BUILD_DIR" && cpack)
    exit
fi

# A Wine prefix of the build's own, made before the tests start so that they do not race
# to make it; Mono and Gecko are not needed and would ask to be downloaded.
export WINEPREFIX="$WINDOWS_BUILD_DIR/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i
wineserver -w
# The tests run offscreen; the one that starts the program on the Windows desktop needs
# Wine to reach an X display.
status=0
xvfb-run -a -s '-screen 0 1280x1024x24' \
    ctest --test-dir "$WINDOWS_BUILD_DIR" --output-on-failure --no-tests=error --parallel "$(nproc)" || status=$?
# What a test left running inside Wine ends with the prefix's server.
wineserver -k || true
exit "$status"
