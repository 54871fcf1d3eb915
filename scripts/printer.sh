#!/usr/bin/env bash
# The certificate print test wants a real printer: a cups-pdf queue as the default, on a
# CUPS server started here, as no service manager runs. Fails when any step fails; the
# print test then skips.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/packages.sh"

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
install_missing_packages cups printer-driver-cups-pdf poppler-utils || exit 1
if [[ "$(lpstat -r 2>/dev/null)" != *"is running"* ]]; then
    $sudo cupsd || exit 1
    for _ in $(seq 20); do
        [[ "$(lpstat -r 2>/dev/null)" == *"is running"* ]] && break
        sleep 0.5
    done
fi
lpstat -v ZorbelPDF >/dev/null 2>&1 \
    || $sudo lpadmin -p ZorbelPDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd || exit 1
# A developer's own default printer stays; the print test then skips rather than use paper.
[[ "$(lpstat -d 2>/dev/null)" == "system default destination:"* ]] || $sudo lpadmin -d ZorbelPDF || exit 1
