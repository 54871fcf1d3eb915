#!/usr/bin/env bash
# Sourced by the scripts that build Qt for another platform (web-qt.sh, windows-qt.sh): one
# recipe that builds Debian's own qt6-base source, of the host's Qt version, for a target into
# the cache, once. A target names, in variables and functions of its own name:
#   <TARGET>_QT_DIR               the folder of its build and install (install/ is the Qt)
#   <target>_qt_packages          the Debian packages its compiler needs
#   <target>_qt_args              its configure options, besides the shared ones below
#   <target>_qt_install_args      options of the install step, if any
#   <target>_qt_before_configure  a step before configuring, if any
#   <target>_qt_after_install     a step after installing, given the source folder, if any
# A target may carry patches to Qt's source, made for one Qt version (its first two numbers,
# so another Qt builds without them), in patches/<target>-qt/<version>/*.patch (in name order):
# they are applied to a copy of the source of its own, and a change of them builds again only
# what they touch.
# Sourcing this, or asking qt_ready, installs nothing.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

QT_SOURCE_DIR="${QT_SOURCE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/zorbel/qt-source}"

# Only what the program and its tests use: no SQL, network, D-Bus, XML or concurrency modules,
# no examples or tests of Qt itself; the host's Qt lends its moc, rcc and uic. Its CMake folder
# carries the host's multiarch name, which g++ tells: set again once g++ is installed, as a
# fresh machine has none before the build installs it.
set_qt_shared_args() {
    QT_SHARED_ARGS=(
        -DQT_HOST_PATH=/usr
        -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -print-multiarch 2>/dev/null || true)/cmake"
        -DQT_BUILD_EXAMPLES=OFF
        -DQT_BUILD_TESTS=OFF
        -DFEATURE_sql=OFF
        -DFEATURE_network=OFF
        -DFEATURE_dbus=OFF
        -DFEATURE_xml=OFF
        -DFEATURE_concurrent=OFF
        -DFEATURE_vulkan=OFF
        -DFEATURE_jpeg=ON
        -DFEATURE_printsupport=ON
        -DFEATURE_testlib=ON
    )
}
set_qt_shared_args

# The host's Qt, whose version the cross builds build; empty where it is not installed.
host_qt_version() {
    dpkg-query -W -f='${source:Version}' qt6-base-dev 2>/dev/null || true
}

qt_dir() {
    local variable="${1^^}_QT_DIR"
    echo "${!variable}"
}

# What an install is made from: a change of the Qt version, of the target's compiler or of
# the options builds again instead of reusing a Qt that no longer fits.
qt_configure_recipe() {
    local -n packages="${1}_qt_packages" args="${1}_qt_args"
    local package
    echo "qt6-base $(host_qt_version)"
    for package in "${packages[@]}"; do echo "$package $(package_version "$package")"; done
    echo "${QT_SHARED_ARGS[*]} ${args[*]}"
}

qt_patch_folder() {
    echo "$ROOT/patches/$1-qt/$(host_qt_version | cut -d. -f1,2)"
}

qt_patches() {
    local patch
    for patch in "$(qt_patch_folder "$1")"/*.patch; do
        if [ -f "$patch" ]; then echo "$patch"; fi
    done
}

qt_recipe() {
    local patch
    qt_configure_recipe "$1"
    qt_patches "$1" | while read -r patch; do echo "${patch##*/} $(sha256sum <"$patch" | cut -d' ' -f1)"; done
}

qt_ready() {
    local stamp
    stamp="$(qt_dir "$1")/install/.zorbel-complete"
    [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$(qt_recipe "$1")" ]
}

# The source package of the same version as the host tools, with a deb-src line for
# Debian's main archive added when apt has none; kept while the host's version stays.
fetch_qt_source() {
    local version codename
    version="$(host_qt_version)"
    [ "$(cat "$QT_SOURCE_DIR/.zorbel-version" 2>/dev/null)" = "$version" ] && return 0
    install_missing_packages dpkg-dev
    if ! apt-get source --print-uris "qt6-base=$version" >/dev/null 2>&1; then
        codename="$(. /etc/os-release && echo "$VERSION_CODENAME")"
        printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s %s-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
            "$codename" "$codename" | as_root tee /etc/apt/sources.list.d/zorbel-deb-src.sources >/dev/null
        as_root apt-get update -qq
    fi
    rm -rf "$QT_SOURCE_DIR"
    mkdir -p "$QT_SOURCE_DIR"
    (cd "$QT_SOURCE_DIR" && apt-get source -qq "qt6-base=$version")
    echo "$version" >"$QT_SOURCE_DIR/.zorbel-version"
}

# A target's patched source: a copy of Debian's, the patches applied last taken back before
# the new ones are applied, so that files no patch touches keep their times and stay built.
patched_qt_source() {
    local target="$1" source="$2" dir="$3" patch
    local copy="$dir/source" applied="$dir/source/.zorbel-patches"
    if [ "$(cat "$copy/.zorbel-version" 2>/dev/null)" != "$(host_qt_version)" ]; then
        rm -rf "$copy"
        cp -a "$source" "$copy"
        host_qt_version >"$copy/.zorbel-version"
        mkdir -p "$applied"
    fi
    if ! diff -rq "$applied" "$(qt_patch_folder "$target")" >/dev/null 2>&1; then
        for patch in $(find "$applied" -name '*.patch' | sort -r); do
            patch -d "$copy" -p1 -R -s <"$patch"
        done
        rm -rf "$applied"
        mkdir -p "$applied"
        for patch in $(qt_patches "$target"); do
            patch -d "$copy" -p1 -s --no-backup-if-mismatch <"$patch"
            cp "$patch" "$applied/"
        done
    fi
    echo "$copy"
}

# The source folder the build in DIR was configured with.
qt_built_source() {
    sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$1/build/CMakeCache.txt" 2>/dev/null || true
}

# build_qt_for TARGET: Qt for that target into its folder, unless it is there already.
build_qt_for() {
    local target="$1" dir source recipe
    local -n packages="${target}_qt_packages" args="${target}_qt_args"
    dir="$(qt_dir "$target")"
    qt_ready "$target" && return 0
    install_missing_packages g++ qt6-base-dev cmake ninja-build patch "${packages[@]}"
    set_qt_shared_args
    echo "Building Qt for $target into $dir (once; half an hour to an hour on two cores)"
    fetch_qt_source
    source="$(find "$QT_SOURCE_DIR" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')"
    if [ -n "$(qt_patches "$target")" ]; then source="$(patched_qt_source "$target" "$source" "$dir")"; fi
    recipe="$(qt_configure_recipe "$target")"
    # An interrupted build of the same recipe and source goes on where it stopped.
    if [ "$(cat "$dir/build/.zorbel-recipe" 2>/dev/null)" != "$recipe" ] \
        || [ "$(realpath -q "$(qt_built_source "$dir")")" != "$(realpath "$source")" ]; then
        if declare -F "${target}_qt_before_configure" >/dev/null; then "${target}_qt_before_configure"; fi
        rm -rf "$dir/build"
        cmake -S "$source" -B "$dir/build" -G Ninja -DCMAKE_INSTALL_PREFIX="$dir/install" "${QT_SHARED_ARGS[@]}" "${args[@]}"
        echo "$recipe" >"$dir/build/.zorbel-recipe"
    fi
    rm -rf "$dir/install"
    # Low priority: the build takes long and should not slow down the rest of the machine.
    nice -n 19 cmake --build "$dir/build" --parallel "${QT_JOBS:-$(nproc)}"
    local -n install_args="${target}_qt_install_args"
    cmake --install "$dir/build" "${install_args[@]}"
    if declare -F "${target}_qt_after_install" >/dev/null; then "${target}_qt_after_install" "$source"; fi
    qt_recipe "$target" >"$dir/install/.zorbel-complete"
}
