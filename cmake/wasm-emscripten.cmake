# Cross-compiles for WebAssembly with Debian's emscripten against the Qt for WebAssembly that
# scripts/web-qt.sh builds; ZORBEL_WEB_QT names that Qt's install, found where the script puts
# it unless given. Qt's own toolchain file loads emscripten's and finds the host's moc, rcc and uic.
if(NOT ZORBEL_WEB_QT)
    include("${CMAKE_CURRENT_LIST_DIR}/cross-qt.cmake")
    zorbel_cross_qt_prefix(web ZORBEL_WEB_QT)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZORBEL_WEB_QT)
# That Qt is static, so its platform plugin is linked into the program, which CMake does only
# where Qt's modules look for their plugins; Debian's source makes them skip that by default
# (its 6.8 does), as Debian's shared Qt loads its plugins at run time.
set(QT_SKIP_AUTO_PLUGIN_INCLUSION OFF CACHE BOOL "Whether Qt's modules skip looking for their plugins")
include("${ZORBEL_WEB_QT}/lib/cmake/Qt6/qt.toolchain.cmake")
