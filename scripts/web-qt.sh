#!/usr/bin/env bash
# Builds Qt for WebAssembly once, from Debian's own qt6-base source, with Debian's
# emscripten, into a cache outside the repository; a later run finds the stamp of a
# finished install and reuses it. Sourced by web.sh and test.sh; WEB_QT_DIR may be set by
# the caller.
set -euo pipefail

WEB_QT_DIR="${WEB_QT_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/zorbel/web-qt}"
WEB_QT_PREFIX="$WEB_QT_DIR/install"
source "$(dirname "${BASH_SOURCE[0]}")/qt-source.sh"
# The compiler, the optimiser it calls, and the build tools.
WEB_BUILD_PACKAGES=(emscripten binaryen cmake ninja-build)

# Qt's configure wants an emscripten SDK's folder: a settings file naming its root and an
# emcc inside that root. Debian's emscripten is one system-wide install, so a small folder
# of links stands in for the SDK. Emscripten's own tools run under node with acorn from
# Debian's node modules, which a node from elsewhere does not look in.
WEB_EMSDK="$WEB_QT_DIR/emsdk"
export EMSDK="$WEB_EMSDK" EMSCRIPTEN=/usr/share/emscripten NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"
WEB_EMSCRIPTEN_TOOLCHAIN=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake

# Emscripten implements EGL in JavaScript and ships no library for it, so configure turns
# EGL off, which the wasm platform plugin needs; an empty archive is the library it looks
# for. The plugin also needs OpenGL (ES 2 over WebGL), so that stays on.
WEB_EMPTY_EGL="$WEB_QT_DIR/empty-egl/libEGL.a"

# Only what the program and its tests use, and no threads: they would need every page
# that serves the program to send cross-origin isolation headers.
WEB_QT_CONFIGURE_ARGS=(
    -DCMAKE_BUILD_TYPE=MinSizeRel
    -DBUILD_SHARED_LIBS=OFF
    -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$multiarch/cmake"
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DFEATURE_thread=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_network=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_vulkan=OFF
    -DFEATURE_gif=OFF
    -DFEATURE_ico=OFF
    -DFEATURE_sessionmanager=OFF
    -DFEATURE_printpreviewwidget=OFF
    -DFEATURE_printpreviewdialog=OFF
    -DFEATURE_jpeg=ON
    -DFEATURE_printsupport=ON
    -DFEATURE_testlib=ON
)
web_qt_recipe="qt6-base $host_qt_version emscripten $(dpkg-query -W -f='${Version}' emscripten 2>/dev/null) ${WEB_QT_CONFIGURE_ARGS[*]}"
web_qt_stamp="$WEB_QT_PREFIX/.zorbel-complete"

web_qt_ready() {
    qt_install_ready "$web_qt_stamp" "$web_qt_recipe"
}

make_emsdk_links() {
    local root="$WEB_EMSDK/upstream/emscripten" tool
    rm -rf "$WEB_EMSDK"
    mkdir -p "$root/cmake/Modules/Platform"
    echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$WEB_EMSDK/.emscripten"
    for tool in emcc em++ emar emranlib; do
        ln -s "/usr/bin/$tool" "$root/$tool"
    done
    ln -s "$WEB_EMSCRIPTEN_TOOLCHAIN" "$root/cmake/Modules/Platform/Emscripten.cmake"
    rm -rf "${WEB_EMPTY_EGL%/*}"
    mkdir -p "${WEB_EMPTY_EGL%/*}"
    emar cr "$WEB_EMPTY_EGL"
}

build_web_qt() {
    local build="$WEB_QT_DIR/build"
    web_qt_ready && return 0
    install_missing_packages "${WEB_BUILD_PACKAGES[@]}"
    echo "Building Qt for WebAssembly into $WEB_QT_DIR (once; about half an hour on two cores)"
    fetch_qt_source
    # An interrupted build of the same recipe goes on where it stopped.
    if [ "$(cat "$build/.zorbel-recipe" 2>/dev/null)" != "$web_qt_recipe" ]; then
        make_emsdk_links
        rm -rf "$build"
        cmake -S "$(qt_source)" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$WEB_EMSCRIPTEN_TOOLCHAIN" \
            -DCMAKE_INSTALL_PREFIX="$WEB_QT_PREFIX" -DEGL_LIBRARY="$WEB_EMPTY_EGL" "${WEB_QT_CONFIGURE_ARGS[@]}"
        echo "$web_qt_recipe" >"$build/.zorbel-recipe"
    fi
    rm -rf "$WEB_QT_PREFIX"
    # Low priority: the build takes long and should not slow down the rest of the machine.
    nice -n 19 cmake --build "$build" --parallel "${WEB_QT_JOBS:-$(nproc)}"
    cmake --install "$build"
    echo "$web_qt_recipe" >"$web_qt_stamp"
}

# Run on its own, it only builds Qt.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    build_web_qt
fi
