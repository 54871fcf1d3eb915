#!/usr/bin/env bash
# Qt for WebAssembly, built once from Debian's own qt6-base source with Debian's emscripten
# into a cache outside the repository (cross-qt.sh holds the recipe). Sourced by web.sh and
# test.sh; run on its own, it builds that Qt. WEB_QT_DIR may be set by the caller.
source "$(dirname "${BASH_SOURCE[0]}")/cross-qt.sh"

export WEB_QT_DIR="${WEB_QT_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/zorbel/web-qt}"
# The compiler and the optimiser it calls.
web_qt_packages=(emscripten binaryen)

# Qt's configure wants an emscripten SDK's folder: a settings file naming its root and an
# emcc inside that root. Debian's emscripten is one system-wide install, so a small folder
# of links stands in for the SDK. Qt's toolchain file loads emscripten's from that folder when
# a program is built against that Qt, and emscripten's then calls the tools beside itself (the
# one of Debian 13 asks em-config for its cache). Emscripten's own tools run under node with
# acorn from Debian's node modules, which a node from elsewhere does not look in.
WEB_EMSDK="$WEB_QT_DIR/emsdk"
export EMSDK="$WEB_EMSDK" EMSCRIPTEN=/usr/share/emscripten NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"
WEB_EMSCRIPTEN_TOOLCHAIN=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake

# Emscripten implements EGL in JavaScript and ships no library for it, so configure turns
# EGL off, which the wasm platform plugin needs; an empty archive is the library it looks
# for. The plugin also needs OpenGL (ES 2 over WebGL), so that stays on.
WEB_EMPTY_EGL="$WEB_QT_DIR/empty-egl/libEGL.a"

# Static, small, and no threads: they would need every page that serves the program to send
# cross-origin isolation headers.
web_qt_args=(
    -DCMAKE_TOOLCHAIN_FILE="$WEB_EMSCRIPTEN_TOOLCHAIN"
    -DEGL_LIBRARY="$WEB_EMPTY_EGL"
    -DCMAKE_BUILD_TYPE=MinSizeRel
    -DBUILD_SHARED_LIBS=OFF
    -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten
    -DFEATURE_thread=OFF
    -DFEATURE_gif=OFF
    -DFEATURE_ico=OFF
    -DFEATURE_sessionmanager=OFF
    -DFEATURE_printpreviewwidget=OFF
    -DFEATURE_printpreviewdialog=OFF
    # What the program never shows, yet a static link would carry into every page's download:
    # the styles and the accessibility of every kind of widget name each of them. Widgets
    # that need one of these go with it (combo boxes and calendars with the item views).
    -DFEATURE_style_stylesheet=OFF
    -DFEATURE_style_windows=OFF
    -DFEATURE_itemviews=OFF
    -DFEATURE_graphicsview=OFF
    -DFEATURE_mdiarea=OFF
    -DFEATURE_textedit=OFF
    -DFEATURE_mainwindow=OFF
    -DFEATURE_menubar=OFF
    -DFEATURE_tabbar=OFF
    -DFEATURE_toolbox=OFF
    -DFEATURE_splitter=OFF
    -DFEATURE_spinbox=OFF
    -DFEATURE_dial=OFF
    -DFEATURE_lcdnumber=OFF
    -DFEATURE_keysequenceedit=OFF
    -DFEATURE_commandlinkbutton=OFF
    -DFEATURE_splashscreen=OFF
    -DFEATURE_statusbar=OFF
    -DFEATURE_sizegrip=OFF
    -DFEATURE_scroller=OFF
    -DFEATURE_whatsthis=OFF
    -DFEATURE_colordialog=OFF
    -DFEATURE_filedialog=OFF
    -DFEATURE_fontdialog=OFF
    -DFEATURE_progressdialog=OFF
    -DFEATURE_inputdialog=OFF
    -DFEATURE_errormessage=OFF
    -DFEATURE_wizard=OFF
    -DFEATURE_printdialog=OFF
    -DFEATURE_movie=OFF
    -DFEATURE_textodfwriter=OFF
    -DFEATURE_textmarkdownreader=OFF
    -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_mimetype=OFF
    -DFEATURE_settings=OFF
    -DFEATURE_hijricalendar=OFF
    -DFEATURE_jalalicalendar=OFF
    # Pictures of 16 bits and floating point per channel; the program's are 8 bits.
    -DFEATURE_raster_64bit=OFF
    -DFEATURE_raster_fp=OFF
    # The compact SHA-3 instead of the unrolled one.
    -DFEATURE_sha3_fast=OFF
)
web_qt_install_args=()

# Made before Qt is configured and again before a program is built, so that a Qt built with
# an older folder finds every tool the installed emscripten offers.
web_emsdk_stand_in() {
    local root="$WEB_EMSDK/upstream/emscripten" tool
    rm -rf "$WEB_EMSDK"
    mkdir -p "$root/cmake/Modules/Platform"
    echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$WEB_EMSDK/.emscripten"
    for tool in emcc em++ emar emranlib emnm em-config; do
        if [ -e "/usr/bin/$tool" ]; then ln -s "/usr/bin/$tool" "$root/$tool"; fi
    done
    ln -s "$WEB_EMSCRIPTEN_TOOLCHAIN" "$root/cmake/Modules/Platform/Emscripten.cmake"
}

web_qt_before_configure() {
    web_emsdk_stand_in
    rm -rf "${WEB_EMPTY_EGL%/*}"
    mkdir -p "${WEB_EMPTY_EGL%/*}"
    emar cr "$WEB_EMPTY_EGL"
}

# Qt's browser platform as Debian 13 builds it needs Debian 13's emscripten: an older Debian
# builds the web version in a Debian 13 root of its own, kept in the cache, which it lends
# this working tree to (pristine.sh).
WEB_ROOT_DIR="${XDG_CACHE_HOME:-$HOME/.cache}/zorbel/web-root"
web_builds_in_root() {
    local ID="" VERSION_ID=""
    . /etc/os-release
    [ "$ID" = debian ] && [ "${VERSION_ID:-99}" -lt 13 ]
}

# Whether the Qt for WebAssembly is built, here or in that root.
web_ready() {
    if web_builds_in_root; then
        [ -f "$WEB_ROOT_DIR/trixie/root/.cache/zorbel/web-qt/install/.zorbel-complete" ]
    else
        qt_ready web
    fi
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    build_qt_for web
fi
