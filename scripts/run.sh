#!/usr/bin/env bash
# Sets up, builds and starts the program.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
exec "$BUILD_DIR/src/zorbel" "$@"
