#!/usr/bin/env bash
# Sets up, builds and starts the program.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
exec "$ROOT/build/src/zorbel" "$@"
