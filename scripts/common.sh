#!/usr/bin/env bash
# Sourced first by every script here: strict mode, a line that names what failed before a
# script ends with an error, the project's top folder in ROOT, and the two ways to change the
# system that the scripts share (as root, and package installs).
set -Eeuo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# The failing command with its script and line, before a script ends with an error; a script
# that exits non-zero on purpose is named by its exit (bash knows no line there). A failure is
# told once, where it happens.
zorbel_failure_told=""
tell_failure() {
    local status="$1" command="$2" place="${3#"$ROOT"/}"
    [ -n "$zorbel_failure_told" ] && return 0
    zorbel_failure_told=1
    echo "failed (exit status $status): $command ($place)" >&2
}
trap 'tell_failure $? "$BASH_COMMAND" "${BASH_SOURCE[0]:-$0}:$LINENO"' ERR
trap 'status=$?; [ "$status" -eq 0 ] || tell_failure "$status" "$BASH_COMMAND" "${BASH_SOURCE[0]:-$0}"
    if declare -F at_exit >/dev/null; then at_exit; fi; exit "$status"' EXIT

# A command that changes the system: as it is for root, through sudo for anyone else.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# install_missing_packages PACKAGE... installs, with apt-get, those of the named Debian
# packages that are not installed yet.
install_missing_packages() {
    local package missing=()
    for package in "$@"; do
        package_installed "$package" || missing+=("$package")
    done
    ((${#missing[@]})) || return 0
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

package_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

# The installed version of a package, empty where it is not installed: a question, never an end.
package_version() {
    dpkg-query -W -f='${Version}' "$1" 2>/dev/null || true
}
