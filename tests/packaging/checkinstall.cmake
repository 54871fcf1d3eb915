# Installs the build into a fresh prefix and checks that the program finds its pictures there:
# cmake -DBUILD_DIR=... -DPREFIX=... -DBINDIR=... -DLIBDIR=... -P checkinstall.cmake
# For the Windows build, with -DWINE=..., instead of BINDIR and LIBDIR: the folder as the zip
# unpacks it, started under Wine with nothing else to find its libraries by.
cmake_minimum_required(VERSION 3.21)

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(failed)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

if(WINE)
    # Every library it links lies beside it, the MinGW run-time among them, and with the
    # desktop's platform plugin beside it the program keeps its window open; without, it
    # ends at once with its one line. (--version would answer in a message box, as there
    # is no console.) Wine's output goes to a file, which the Wine processes started with the
    # program may keep open after it has ended.
    execute_process(COMMAND "${WINE}" "${PREFIX}/zorbel.exe" TIMEOUT 10
        RESULT_VARIABLE result OUTPUT_FILE "${PREFIX}.log" ERROR_FILE "${PREFIX}.log")
    if(NOT result MATCHES "timeout")
        file(READ "${PREFIX}.log" output)
        message(FATAL_ERROR "zorbel.exe in the package did not keep its window open: ${result}\n${output}")
    endif()
    return()
endif()

# The program finds Bilder beside the file it was started from once links are resolved,
# so the link in bin must be relative (the tree may be unpacked elsewhere) and lead to
# the binary that has every picture beside it.
set(link "${PREFIX}/${BINDIR}/zorbel")
file(READ_SYMLINK "${link}" target)
file(REAL_PATH "${link}" program)
file(REAL_PATH "${PREFIX}/${LIBDIR}/zorbel/zorbel" expected)
if(NOT IS_SYMLINK "${link}" OR IS_ABSOLUTE "${target}" OR NOT program STREQUAL expected)
    message(FATAL_ERROR "${BINDIR}/zorbel is not a relative link to ${LIBDIR}/zorbel/zorbel")
endif()
foreach(number RANGE 19)
    if(NOT EXISTS "${PREFIX}/${LIBDIR}/zorbel/Bilder/picture${number}.jpg")
        message(FATAL_ERROR "${LIBDIR}/zorbel/Bilder/picture${number}.jpg is missing")
    endif()
endforeach()
