#!/usr/bin/env bash
# Builds Qt for Windows once, from Debian's own qt6-base source, with MinGW-w64, into a
# cache outside the repository; a later run finds the stamp of a finished install and
# reuses it. Sourced by windows.sh and test.sh; WINDOWS_QT_DIR may be set by the caller.
set -euo pipefail

WINDOWS_QT_DIR="${WINDOWS_QT_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/zorbel/windows-qt}"
WINDOWS_QT_PREFIX="$WINDOWS_QT_DIR/install"
source "$(dirname "${BASH_SOURCE[0]}")/qt-source.sh"
WINDOWS_TOOLCHAIN="$ROOT/cmake/mingw-w64-x86_64.cmake"

# The cross compiler and the tools for Windows headers and resources.
WINDOWS_BUILD_PACKAGES=(g++-mingw-w64-x86-64-posix mingw-w64-tools cmake ninja-build)

# Only what the program and its tests use: no SQL, network, D-Bus or XML modules, no
# examples or tests of Qt itself; the image, font and regular expression libraries
# built in, as Windows has none of them. Debian's source lacks the Wintab headers of the
# tablet support. The Windows platform plugin needs OpenGL, so it stays at its default,
# loaded at run time.
QT_CONFIGURE_ARGS=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$multiarch/cmake"
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_network=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_vulkan=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_jpeg=ON
    -DFEATURE_printsupport=ON
    -DFEATURE_testlib=ON
)
qt_recipe="qt6-base $host_qt_version ${QT_CONFIGURE_ARGS[*]}"
qt_stamp="$WINDOWS_QT_PREFIX/.zorbel-complete"

windows_qt_ready() {
    qt_install_ready "$qt_stamp" "$qt_recipe"
}

# The licence texts that go with every copy of the libraries, and where their source is.
install_qt_notices() {
    local source="$1" notices="$WINDOWS_QT_PREFIX/zorbel-notices" library file name
    rm -rf "$notices"
    mkdir -p "$notices/qt/third-party"
    cp "$source/debian/copyright" "$notices/qt/copyright.txt"
    cp "$source/LICENSES/LGPL-3.0-only.txt" "$source/LICENSES/GPL-3.0-only.txt" "$notices/qt/"
    # The bundled libraries that end up in the Windows DLLs; every text ends in .txt.
    for library in blake2 double-conversion easing freetype harfbuzz-ng icc libjpeg libpng md4c pcre2 rfc6234 sha3 tinycbor zlib; do
        mkdir -p "$notices/qt/third-party/$library"
        for file in "$source/src/3rdparty/$library"/*; do
            name="${file##*/}"
            case "$name" in
                *LICEN[CS]E* | *license* | COPYING* | COPYRIGHT*) cp "$file" "$notices/qt/third-party/$library/${name%.txt}.txt" ;;
            esac
        done
    done
    unix2dos -q "$notices/qt/"*.txt "$notices/qt/third-party"/*/*
    printf '  qt6-base %s, from https://snapshot.debian.org/package/qt6-base/%s/\n  (on Debian: apt-get source qt6-base=%s), configured with\n  %s\n' \
        "$host_qt_version" "$host_qt_version" "$host_qt_version" "${QT_CONFIGURE_ARGS[*]}" >"$notices/qt-source.txt"
}

build_windows_qt() {
    local build="$WINDOWS_QT_DIR/build"
    windows_qt_ready && return 0
    install_missing_packages "${WINDOWS_BUILD_PACKAGES[@]}" dos2unix
    echo "Building Qt for Windows into $WINDOWS_QT_DIR (once; about an hour on two cores)"
    fetch_qt_source
    # An interrupted build of the same recipe goes on where it stopped.
    if [ "$(cat "$build/.zorbel-recipe" 2>/dev/null)" != "$qt_recipe" ]; then
        rm -rf "$build"
        cmake -S "$(qt_source)" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$WINDOWS_TOOLCHAIN" \
            -DCMAKE_INSTALL_PREFIX="$WINDOWS_QT_PREFIX" "${QT_CONFIGURE_ARGS[@]}"
        echo "$qt_recipe" >"$build/.zorbel-recipe"
    fi
    rm -rf "$WINDOWS_QT_PREFIX"
    # Low priority: the build takes long and should not slow down the rest of the machine.
    nice -n 19 cmake --build "$build" --parallel "${WINDOWS_QT_JOBS:-$(nproc)}"
    cmake --install "$build" --strip
    install_qt_notices "$(qt_source)"
    echo "$qt_recipe" >"$qt_stamp"
}

# Run on its own, it only builds Qt.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    build_windows_qt
fi
