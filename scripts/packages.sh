#!/usr/bin/env bash
# Sourced: install_missing_packages PACKAGE... installs, with apt-get, those of the named
# Debian packages that are not installed yet (through sudo when not run as root).
# Returns non-zero when the installation fails.

install_missing_packages() {
    local package sudo="" missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    ((${#missing[@]})) || return 0
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq || return 1
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
