# Installs the Windows build into a fresh folder, as the zip unpacks it, and starts the
# program there under Wine with nothing else to find its libraries by:
# cmake -DBUILD_DIR=... -DTREE=... -DWINE=... -P checkwindowstree.cmake
cmake_minimum_required(VERSION 3.21)

file(REMOVE_RECURSE "${TREE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${TREE}"
    RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(failed)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

# Every library it links lies beside it, the MinGW run-time among them, and with the
# desktop's platform plugin beside it the program keeps its window open; without, it ends at
# once with its one line. (--version would answer in a message box here, as there is no console.)
execute_process(COMMAND "${WINE}" "${TREE}/zorbel.exe" TIMEOUT 10
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result MATCHES "timeout")
    message(FATAL_ERROR "zorbel.exe in the package did not keep its window open: ${result}\n${output}")
endif()
