# Cross-compiles for WebAssembly with Debian's emscripten against the Qt for WebAssembly that
# scripts/web-qt.sh builds; ZORBEL_WEB_QT names that Qt's install, found where the script puts
# it unless given. Qt's own toolchain file loads emscripten's and finds the host's moc, rcc and uic.
if(NOT ZORBEL_WEB_QT)
    include("${CMAKE_CURRENT_LIST_DIR}/cross-qt.cmake")
    zorbel_cross_qt_prefix(web ZORBEL_WEB_QT)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZORBEL_WEB_QT)
include("${ZORBEL_WEB_QT}/lib/cmake/Qt6/qt.toolchain.cmake")
