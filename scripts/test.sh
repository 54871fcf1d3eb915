#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite headless.
set -euo pipefail
# The validators of the desktop entry, the AppStream data and the Debian package (lintian,
# with dpkg-dev for cpack); without them those tests skip.
EXTRA_PACKAGES="${EXTRA_PACKAGES:-} desktop-file-utils appstream lintian dpkg-dev"
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

bash "$ROOT/scripts/printer.sh" || echo "No cups-pdf printer: the certificate print test will be skipped." >&2

ctest --test-dir "$BUILD_DIR" --output-on-failure --no-tests=error --parallel "$(nproc)"

# The whole suite once more in a build with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer, where any report fails its test.
SANITIZE_DIR="${BUILD_DIR}-sanitize"
cmake -S "$ROOT" -B "$SANITIZE_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORBEL_SANITIZE=ON
cmake --build "$SANITIZE_DIR" --parallel "$(nproc)"
ctest --test-dir "$SANITIZE_DIR" --output-on-failure --no-tests=error --parallel "$(nproc)"

# The Windows build's tests under Wine, wherever Qt for Windows has been built: building it
# once takes longer than a test run may (bash scripts/windows.sh builds it).
source "$ROOT/scripts/windows-qt.sh"
if windows_qt_ready; then
    bash "$ROOT/scripts/windows.sh" test
else
    echo "Skipped: the Windows tests under Wine, as $WINDOWS_QT_DIR holds no Qt for Windows (bash scripts/windows.sh builds it)."
fi

# The game core's tests built for web pages run under node where the Qt for WebAssembly is
# built; building it takes long the first time (bash scripts/web.sh builds it).
source "$ROOT/scripts/web-qt.sh"
if web_qt_ready; then
    bash "$ROOT/scripts/web.sh" test
else
    echo "Skipped: the web build's tests under node, as $WEB_QT_DIR holds no Qt for WebAssembly (bash scripts/web.sh builds it)."
fi
