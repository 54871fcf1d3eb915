# Cross-compiles for WebAssembly with Debian's emscripten against the Qt for WebAssembly that
# scripts/web-qt.sh builds; ZORBEL_WEB_QT names that Qt's install. Qt's own toolchain file
# loads emscripten's and finds the host's moc, rcc and uic.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZORBEL_WEB_QT)
include("${ZORBEL_WEB_QT}/lib/cmake/Qt6/qt.toolchain.cmake")
