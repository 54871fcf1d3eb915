#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite headless.
set -euo pipefail
# The validators of the desktop entry, the AppStream data and the Debian package (lintian,
# with dpkg-dev for cpack); without them those tests skip.
EXTRA_PACKAGES="${EXTRA_PACKAGES:-} desktop-file-utils appstream lintian dpkg-dev"
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

# The certificate print test wants a real printer: a cups-pdf queue as the default, on a
# CUPS server started here, as no service manager runs. Any failure only makes that test skip.
start_pdf_printer() {
    local sudo="" package missing=()
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    for package in cups printer-driver-cups-pdf poppler-utils; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    if ((${#missing[@]})); then
        $sudo apt-get update -qq || return 1
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" || return 1
    fi
    if [[ "$(lpstat -r 2>/dev/null)" != *"is running"* ]]; then
        $sudo cupsd || return 1
        for _ in $(seq 20); do
            [[ "$(lpstat -r 2>/dev/null)" == *"is running"* ]] && break
            sleep 0.5
        done
    fi
    lpstat -v ZorbelPDF >/dev/null 2>&1 \
        || $sudo lpadmin -p ZorbelPDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd || return 1
    # A developer's own default printer stays; the print test then skips rather than use paper.
    [[ "$(lpstat -d 2>/dev/null)" == "system default destination:"* ]] || $sudo lpadmin -d ZorbelPDF || return 1
}
start_pdf_printer || echo "No cups-pdf printer: the certificate print test will be skipped." >&2

ctest --test-dir "$BUILD_DIR" --output-on-failure --no-tests=error --parallel "$(nproc)"

# The whole suite once more in a build with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer, where any report fails its test.
SANITIZE_DIR="${BUILD_DIR}-sanitize"
cmake -S "$ROOT" -B "$SANITIZE_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORBEL_SANITIZE=ON
cmake --build "$SANITIZE_DIR" --parallel "$(nproc)"
ctest --test-dir "$SANITIZE_DIR" --output-on-failure --no-tests=error --parallel "$(nproc)"
