#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite headless.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
cd "$BUILD_DIR"
ctest --output-on-failure --no-tests=error --parallel "$(nproc)"
