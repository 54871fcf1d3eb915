#!/usr/bin/env bash
# Sourced by the scripts that build Qt for another platform: Debian's own qt6-base source
# of the host's Qt version, downloaded and unpacked once into a cache they share, and the
# stamp that tells a finished install of Qt from an unfinished or outdated one.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QT_SOURCE_DIR="${QT_SOURCE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/zorbel/qt-source}"
source "$ROOT/scripts/packages.sh"

# The host's Qt, whose moc, rcc and uic the cross builds use and whose version they build.
install_missing_packages g++ qt6-base-dev
host_qt_version="$(dpkg-query -W -f='${source:Version}' qt6-base-dev)"
multiarch="$(gcc -print-multiarch)"

# The source package of the same version as the host tools, with a deb-src line for
# Debian's main archive added when apt has none; kept while the host's version stays.
fetch_qt_source() {
    local sudo="" codename
    [ "$(cat "$QT_SOURCE_DIR/.zorbel-version" 2>/dev/null)" = "$host_qt_version" ] && return 0
    # dpkg-dev unpacks the source package.
    install_missing_packages dpkg-dev
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    if ! apt-get source --print-uris "qt6-base=$host_qt_version" >/dev/null 2>&1; then
        codename="$(. /etc/os-release && echo "$VERSION_CODENAME")"
        printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s %s-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
            "$codename" "$codename" | $sudo tee /etc/apt/sources.list.d/zorbel-deb-src.sources >/dev/null
        $sudo apt-get update -qq
    fi
    rm -rf "$QT_SOURCE_DIR"
    mkdir -p "$QT_SOURCE_DIR"
    (cd "$QT_SOURCE_DIR" && apt-get source -qq "qt6-base=$host_qt_version")
    echo "$host_qt_version" >"$QT_SOURCE_DIR/.zorbel-version"
}

qt_source() {
    find "$QT_SOURCE_DIR" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*'
}

# The stamp holds what an install was made from, so a change of version or options
# builds again instead of reusing a Qt that no longer fits.
qt_install_ready() {
    local stamp="$1" recipe="$2"
    [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$recipe" ]
}
