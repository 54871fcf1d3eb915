#!/usr/bin/env bash
# Builds the Windows package with its preset (build-windows/): cross-compiles the program and
# its tests with MinGW-w64 against a Qt for Windows that windows-qt.sh builds once into a
# cache, then writes a zip, an NSIS installer and an MSI into build-windows/. With "test" it
# runs the tests under Wine instead. WINDOWS_QT_DIR may be set by the caller.
source "$(dirname "${BASH_SOURCE[0]}")/windows-qt.sh"
cd "$ROOT"

command="${1:-package}"
case "$command" in
    package) install_missing_packages "${windows_qt_packages[@]}" nsis icoutils wixl ;;
    test) install_missing_packages "${windows_qt_packages[@]}" icoutils wine wine64 xvfb xauth locales ;;
    *) echo "usage: bash scripts/windows.sh [package|test]" >&2; exit 2 ;;
esac

build_qt_for windows
cmake --preset windows
cmake --build --preset windows --parallel "$(nproc)"

if [ "$command" = package ]; then
    (cd build-windows && cpack)
    exit
fi

# The tests run with German regional settings, which Wine takes from the host's locale; the
# print test prints into a cups-pdf queue of the host's CUPS, which Wine lists as a printer.
locale -a | grep -qix 'de_DE.utf-\?8' || as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8
bash scripts/printer.sh || echo "No cups-pdf printer: the certificate print test will be skipped." >&2

# The tests make their Wine prefix first; most run offscreen, those that start the program or
# open links on Wine's desktop need an X display.
status=0
xvfb-run -a -s '-screen 0 1280x1024x24' ctest --preset windows --parallel "$(nproc)" || status=$?
# What a test left running inside Wine ends with the prefix's server.
WINEPREFIX="$ROOT/build-windows/wine" wineserver -k || true
exit "$status"
