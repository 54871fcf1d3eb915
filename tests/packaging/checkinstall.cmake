# Installs the build into a fresh prefix and checks that the program finds its pictures there:
# cmake -DBUILD_DIR=... -DPREFIX=... -DBINDIR=... -DLIBDIR=... -P checkinstall.cmake
cmake_minimum_required(VERSION 3.21)

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(failed)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
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
