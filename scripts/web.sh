#!/usr/bin/env bash
# Builds the program for web pages with its preset (build-web/): cross-compiles it with
# emscripten against the Qt for WebAssembly that web-qt.sh builds once into a cache, and
# writes the folder a web server serves, build-web/zorbel-web/, and its zip,
# build-web/zorbel-web.zip. With "serve" it then serves that folder on localhost; with "test"
# it runs the game core's tests under node. On a Debian older than 13 all but the serving
# happens in a Debian 13 root (web-qt.sh). WEB_QT_DIR and PORT may be set by the caller.
source "$(dirname "${BASH_SOURCE[0]}")/web-qt.sh"
cd "$ROOT"

command="${1:-build}"
case "$command" in
    build | test) ;;
    serve) install_missing_packages python3 ;;
    *) echo "usage: bash scripts/web.sh [build|serve|test]" >&2; exit 2 ;;
esac

if web_builds_in_root; then
    echo "Building the web version in a Debian 13 root ($WEB_ROOT_DIR), as this Debian is older"
    as_root env PRISTINE_DIR="$WEB_ROOT_DIR" bash "$ROOT/scripts/pristine.sh" trixie --keep --tree shell "bash scripts/web.sh ${command/serve/build}"
    # What the root's build wrote into the tree belongs to whoever owns the tree.
    as_root chown -R "$(stat -c %u:%g "$ROOT")" build-web
else
    # The program's fonts come from Debian's packages, and node runs the tests.
    install_missing_packages "${web_qt_packages[@]}" cmake ninja-build fonts-comic-neue fonts-dejavu-core nodejs
    build_qt_for web
    web_emsdk_stand_in
    cmake --preset web
    cmake --build --preset web --parallel "$(nproc)"
    echo "Written: build-web/zorbel-web/ and build-web/zorbel-web.zip"
    if [ "$command" = test ]; then ctest --preset web --parallel "$(nproc)"; fi
fi

case "$command" in
    build | test) ;;
    serve)
        port="${PORT:-8080}"
        echo "Zorbel at http://localhost:$port/ (Ctrl+C ends the server)"
        # Debian's Python; browsers compile a .wasm file as it arrives only when it is served
        # with its own type.
        cd build-web/zorbel-web
        exec /usr/bin/python3 -c 'import http.server, sys
http.server.SimpleHTTPRequestHandler.extensions_map[".wasm"] = "application/wasm"
http.server.test(HandlerClass=http.server.SimpleHTTPRequestHandler, port=int(sys.argv[1]), bind="127.0.0.1")' "$port"
        ;;
esac
