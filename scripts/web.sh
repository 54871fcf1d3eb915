#!/usr/bin/env bash
# Builds the program for web pages: cross-compiles it with emscripten against a Qt for
# WebAssembly that web-qt.sh builds once into a cache, and writes the folder a web server
# serves, build-web/zorbel-web/, and its zip, build-web/zorbel-web.zip. With "serve" it then
# serves that folder on localhost; with "test" it runs the game core's tests under node.
# WEB_BUILD_DIR, WEB_QT_DIR and PORT may be set by the caller.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/web-qt.sh"
WEB_BUILD_DIR="${WEB_BUILD_DIR:-$ROOT/build-web}"

command="${1:-build}"
case "$command" in
    build | test) ;;
    serve) install_missing_packages python3 ;;
    *) echo "usage: bash scripts/web.sh [build|serve|test]" >&2; exit 2 ;;
esac

# The program's font comes from Debian's package, and node runs the tests.
install_missing_packages "${WEB_BUILD_PACKAGES[@]}" fonts-comic-neue nodejs
build_web_qt
cmake -S "$ROOT" -B "$WEB_BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/wasm-emscripten.cmake" -DZORBEL_WEB_QT="$WEB_QT_PREFIX" \
    -DCMAKE_MAKE_PROGRAM="$(command -v ninja)"
cmake --build "$WEB_BUILD_DIR" --parallel "$(nproc)"
echo "Written: $WEB_BUILD_DIR/zorbel-web/ and $WEB_BUILD_DIR/zorbel-web.zip"

case "$command" in
    test) ctest --test-dir "$WEB_BUILD_DIR" --output-on-failure --no-tests=error --parallel "$(nproc)" ;;
    serve)
        port="${PORT:-8080}"
        echo "Zorbel at http://localhost:$port/ (Ctrl+C ends the server)"
        # Debian's Python; browsers compile a .wasm file as it arrives only when it is served
        # with its own type.
        cd "$WEB_BUILD_DIR/zorbel-web"
        exec /usr/bin/python3 -c 'import http.server, sys
http.server.SimpleHTTPRequestHandler.extensions_map[".wasm"] = "application/wasm"
http.server.test(HandlerClass=http.server.SimpleHTTPRequestHandler, port=int(sys.argv[1]), bind="127.0.0.1")' "$port"
        ;;
esac
