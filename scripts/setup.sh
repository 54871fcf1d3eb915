#!/usr/bin/env bash
# Installs what the desktop build needs when it is missing, then configures and builds it with
# its preset (build/). Sourced by run.sh and test.sh, which may name more packages in
# EXTRA_PACKAGES.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$ROOT"

install_missing_packages cmake ninja-build g++ ccache qt6-base-dev fonts-comic-neue ${EXTRA_PACKAGES:-}
cmake --preset desktop
cmake --build --preset desktop --parallel "$(nproc)"
