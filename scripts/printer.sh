#!/usr/bin/env bash
# The certificate print test wants a real printer: a cups-pdf queue as the default, on a
# CUPS server started here where none runs, as no service manager does it. Fails when any
# step fails; the print test then skips.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing_packages cups printer-driver-cups-pdf poppler-utils
if [[ "$(lpstat -r 2>/dev/null)" != *"is running"* ]]; then
    as_root cupsd
    for _ in $(seq 20); do
        [[ "$(lpstat -r 2>/dev/null)" == *"is running"* ]] && break
        sleep 0.5
    done
fi
lpstat -v ZorbelPDF >/dev/null 2>&1 \
    || as_root lpadmin -p ZorbelPDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd
# A developer's own default printer stays; the print test then skips rather than use paper.
[[ "$(lpstat -d 2>/dev/null)" == "system default destination:"* ]] || as_root lpadmin -d ZorbelPDF
