#!/usr/bin/env bash
# Qt for Windows, built once from Debian's own qt6-base source with MinGW-w64 into a cache
# outside the repository (cross-qt.sh holds the recipe). Sourced by windows.sh and test.sh;
# run on its own, it builds that Qt. WINDOWS_QT_DIR may be set by the caller.
source "$(dirname "${BASH_SOURCE[0]}")/cross-qt.sh"

export WINDOWS_QT_DIR="${WINDOWS_QT_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/zorbel/windows-qt}"
# The cross compiler, the tools for Windows headers and resources, and unix2dos for the notices.
windows_qt_packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools dos2unix)

# Shared libraries; the image, font and regular expression libraries built in, as Windows has
# none of them. Debian's source lacks the Wintab headers of the tablet support. The Windows
# platform plugin needs OpenGL, so it stays at its default, loaded at run time.
windows_qt_args=(
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake"
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DFEATURE_tabletevent=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_pcre2=OFF
)
windows_qt_install_args=(--strip)

# The licence texts that go with every copy of the libraries, and where their source is.
windows_qt_after_install() {
    local source="$1" notices="$WINDOWS_QT_DIR/install/zorbel-notices" library file name version
    version="$(host_qt_version)"
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
        "$version" "$version" "$version" "${QT_SHARED_ARGS[*]} ${windows_qt_args[*]}" >"$notices/qt-source.txt"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    build_qt_for windows
fi
