#!/usr/bin/env bash
# Builds the Windows package: cross-compiles the program and its tests with MinGW-w64 against
# a Qt for Windows that windows-qt.sh builds once into a cache, then writes a zip, an NSIS
# installer and an MSI into build-windows/. With "test" it runs the tests under Wine instead.
# WINDOWS_BUILD_DIR and WINDOWS_QT_DIR may be set by the caller.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/windows-qt.sh"
WINDOWS_BUILD_DIR="${WINDOWS_BUILD_DIR:-$ROOT/build-windows}"

command="${1:-package}"
case "$command" in
    package) install_missing_packages "${WINDOWS_BUILD_PACKAGES[@]}" nsis icoutils wixl ;;
    test) install_missing_packages "${WINDOWS_BUILD_PACKAGES[@]}" icoutils wine wine64 xvfb xauth locales ;;
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

# The tests run with German regional settings, which Wine takes from the host's locale; the
# print test prints into a cups-pdf queue of the host's CUPS, which Wine lists as a printer.
if ! locale -a | grep -qix 'de_DE.utf-\?8'; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
bash "$ROOT/scripts/printer.sh" || echo "No cups-pdf printer: the certificate print test will be skipped." >&2

# The tests make their Wine prefix first; most run offscreen, those that start the program or
# open links on Wine's desktop need an X display.
status=0
xvfb-run -a -s '-screen 0 1280x1024x24' \
    ctest --test-dir "$WINDOWS_BUILD_DIR" --output-on-failure --no-tests=error --parallel "$(nproc)" || status=$?
# What a test left running inside Wine ends with the prefix's server.
WINEPREFIX="$WINDOWS_BUILD_DIR/wine" wineserver -k || true
exit "$status"
