#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite headless: the desktop build, the same with the
# sanitizers, and where their Qt is built, the web build and the Windows build.
# The validators of the desktop entry and the AppStream data; without them those tests skip.
# Node and a virtual display for the browser tests, which the build registers only where it
# finds them.
EXTRA_PACKAGES="${EXTRA_PACKAGES:-} desktop-file-utils appstream nodejs xvfb xauth"
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

# Without a printer the print test skips; a CI run is there to prove the printing, so it fails.
if ! bash "$ROOT/scripts/printer.sh"; then
    [ -n "${CI:-}" ] && { echo "No cups-pdf printer in a CI run, which must print." >&2; exit 1; }
    echo "No cups-pdf printer: the certificate print test will be skipped." >&2
fi

# Where the Qt for WebAssembly is built (building it takes long the first time; bash
# scripts/web.sh builds it): the web build with the game core's tests under node, and the
# browsers and the packages that play it in the CTest run below (tests/web).
source "$ROOT/scripts/web-qt.sh"
if web_ready; then
    bash "$ROOT/scripts/web.sh" test
    install_missing_packages chromium firefox-esr webkit2gtk-driver
    command -v npm >/dev/null || install_missing_packages npm
    (cd "$ROOT" && npm ci --no-fund --no-audit)
else
    echo "Skipped: the web build, its tests under node and in the browsers, as no Qt for WebAssembly is built yet (bash scripts/web.sh builds it)."
fi

ctest --preset desktop --parallel "$(nproc)"

# The whole suite once more in a build with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer, where any report fails its test.
cmake --preset sanitize
cmake --build --preset sanitize --parallel "$(nproc)"
ctest --preset sanitize --parallel "$(nproc)"

# The Windows build's tests under Wine, wherever Qt for Windows has been built: building it
# once takes longer than a test run may (bash scripts/windows.sh builds it).
source "$ROOT/scripts/windows-qt.sh"
if qt_ready windows; then
    bash "$ROOT/scripts/windows.sh" test
else
    echo "Skipped: the Windows tests under Wine, as $(qt_dir windows) holds no Qt for Windows (bash scripts/windows.sh builds it)."
fi
