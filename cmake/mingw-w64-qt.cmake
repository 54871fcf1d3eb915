# Cross-compiles the program for 64-bit Windows against the Qt for Windows that
# scripts/windows-qt.sh builds (that build uses the bare MinGW-w64 toolchain beside this file);
# ZORBEL_WINDOWS_QT names that Qt's install, found where the script puts it unless given. The
# host's Qt lends its moc, rcc and uic.
include("${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake")
if(NOT ZORBEL_WINDOWS_QT)
    include("${CMAKE_CURRENT_LIST_DIR}/cross-qt.cmake")
    zorbel_cross_qt_prefix(windows ZORBEL_WINDOWS_QT)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZORBEL_WINDOWS_QT)
list(APPEND CMAKE_FIND_ROOT_PATH "${ZORBEL_WINDOWS_QT}")
list(APPEND CMAKE_PREFIX_PATH "${ZORBEL_WINDOWS_QT}")
execute_process(COMMAND gcc -print-multiarch OUTPUT_VARIABLE host_multiarch OUTPUT_STRIP_TRAILING_WHITESPACE)
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR "/usr/lib/${host_multiarch}/cmake")
