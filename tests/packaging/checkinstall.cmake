# Installs the build into a fresh prefix and checks what the desktop and the program look for:
# cmake -DBUILD_DIR=... -DPREFIX=... -DBINDIR=... -DLIBDIR=... -DDATADIR=... -P checkinstall.cmake
cmake_minimum_required(VERSION 3.21)

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(failed)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(problems "")
# The program finds Bilder beside the file it was started from once links are resolved,
# so the link in bin must be relative (the tree may be unpacked elsewhere) and lead to
# the binary that has every picture beside it.
set(link "${PREFIX}/${BINDIR}/zorbel")
file(READ_SYMLINK "${link}" target)
file(REAL_PATH "${link}" program)
if(NOT IS_SYMLINK "${link}" OR IS_ABSOLUTE "${target}" OR NOT program STREQUAL "${PREFIX}/${LIBDIR}/zorbel/zorbel")
    list(APPEND problems "${BINDIR}/zorbel is not a relative link to ${LIBDIR}/zorbel/zorbel")
endif()
foreach(number RANGE 19)
    if(NOT EXISTS "${PREFIX}/${LIBDIR}/zorbel/Bilder/picture${number}.jpg")
        list(APPEND problems "${LIBDIR}/zorbel/Bilder/picture${number}.jpg is missing")
    endif()
endforeach()

# One application id names the desktop entry, its icons and the AppStream data.
file(GLOB entry RELATIVE "${PREFIX}/${DATADIR}/applications" "${PREFIX}/${DATADIR}/applications/*.desktop")
string(REGEX REPLACE "\\.desktop$" "" id "${entry}")
file(STRINGS "${PREFIX}/${DATADIR}/applications/${entry}" lines)
if(NOT "Exec=zorbel" IN_LIST lines OR NOT "Icon=${id}" IN_LIST lines)
    list(APPEND problems "the desktop entry ${entry} does not start zorbel with the icon ${id}")
endif()
file(GLOB icons "${PREFIX}/${DATADIR}/icons/hicolor/*/apps/${id}.png")
list(LENGTH icons icon_count)
if(NOT icon_count EQUAL 6 OR NOT EXISTS "${PREFIX}/${DATADIR}/metainfo/${id}.metainfo.xml")
    list(APPEND problems "not six icons and the AppStream data named ${id}")
endif()

if(problems)
    list(JOIN problems "\n  " report)
    message(FATAL_ERROR "The installed tree is not right:\n  ${report}")
endif()
