# Installs the build into a fresh prefix and checks the tree a desktop expects:
# cmake -DBUILD_DIR=... -DPREFIX=... -DBINDIR=... -DLIBDIR=... -DDATADIR=... -P checkinstall.cmake
cmake_minimum_required(VERSION 3.21)

foreach(variable BUILD_DIR PREFIX BINDIR LIBDIR DATADIR)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "${variable} is not set")
    endif()
endforeach()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE install_result
    OUTPUT_VARIABLE install_output
    ERROR_VARIABLE install_output)
if(NOT install_result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${install_output}")
endif()

set(problems "")
macro(problem text)
    list(APPEND problems "${text}")
endmacro()

# The program finds Bilder beside the file it was started from once links are resolved,
# so the link in bin must lead to the binary that has Bilder beside it, and must stay
# relative for the tree to survive being unpacked elsewhere.
set(program_dir "${PREFIX}/${LIBDIR}/zorbel")
set(link "${PREFIX}/${BINDIR}/zorbel")
if(NOT IS_SYMLINK "${link}")
    problem("${BINDIR}/zorbel is not a symbolic link")
else()
    file(READ_SYMLINK "${link}" link_target)
    if(IS_ABSOLUTE "${link_target}")
        problem("${BINDIR}/zorbel points to the absolute path ${link_target}")
    endif()
    file(REAL_PATH "${link}" resolved)
    file(REAL_PATH "${program_dir}/zorbel" expected)
    if(NOT resolved STREQUAL expected)
        problem("${BINDIR}/zorbel leads to ${resolved}, not to ${LIBDIR}/zorbel/zorbel")
    endif()
endif()
execute_process(COMMAND test -f "${program_dir}/zorbel" -a -x "${program_dir}/zorbel"
    RESULT_VARIABLE not_executable)
if(not_executable)
    problem("${LIBDIR}/zorbel/zorbel is missing or not executable")
endif()

foreach(number RANGE 0 19)
    set(picture "${program_dir}/Bilder/picture${number}.jpg")
    if(NOT EXISTS "${picture}")
        problem("${LIBDIR}/zorbel/Bilder/picture${number}.jpg is missing")
        continue()
    endif()
    file(SIZE "${picture}" picture_size)
    if(picture_size EQUAL 0)
        problem("${LIBDIR}/zorbel/Bilder/picture${number}.jpg is empty")
    endif()
endforeach()

# One application id ties the desktop entry, its icon and the AppStream data together.
file(GLOB desktop_entries RELATIVE "${PREFIX}/${DATADIR}/applications"
    "${PREFIX}/${DATADIR}/applications/*.desktop")
list(LENGTH desktop_entries desktop_entry_count)
if(NOT desktop_entry_count EQUAL 1)
    problem("expected one desktop entry, found: ${desktop_entries}")
else()
    string(REGEX REPLACE "\\.desktop$" "" app_id "${desktop_entries}")
    file(STRINGS "${PREFIX}/${DATADIR}/applications/${desktop_entries}" entry)
    if(NOT "Exec=zorbel" IN_LIST entry)
        problem("the desktop entry does not start zorbel from the path")
    endif()
    if(NOT "Icon=${app_id}" IN_LIST entry)
        problem("the desktop entry's icon is not named ${app_id}")
    endif()

    set(metainfo "${PREFIX}/${DATADIR}/metainfo/${app_id}.metainfo.xml")
    if(NOT EXISTS "${metainfo}")
        problem("${DATADIR}/metainfo/${app_id}.metainfo.xml is missing")
    else()
        file(READ "${metainfo}" metainfo_text)
        string(FIND "${metainfo_text}" "<id>${app_id}</id>" id_at)
        string(FIND "${metainfo_text}" "<launchable type=\"desktop-id\">${app_id}.desktop</launchable>" launchable_at)
        if(id_at EQUAL -1 OR launchable_at EQUAL -1)
            problem("the AppStream data does not name ${app_id} as its id and ${app_id}.desktop as its launchable")
        endif()
    endif()

    # A PNG's width and height are the two big-endian words from byte 16 on.
    foreach(size 16 32 48 64 128 256)
        set(icon "${PREFIX}/${DATADIR}/icons/hicolor/${size}x${size}/apps/${app_id}.png")
        if(NOT EXISTS "${icon}")
            problem("the ${size}x${size} icon is missing")
            continue()
        endif()
        file(READ "${icon}" header OFFSET 16 LIMIT 8 HEX)
        math(EXPR expected_word "${size}" OUTPUT_FORMAT HEXADECIMAL)
        string(REGEX REPLACE "^0x" "" expected_word "${expected_word}")
        string(LENGTH "${expected_word}" digits)
        math(EXPR padding "8 - ${digits}")
        string(REPEAT "0" ${padding} zeros)
        string(TOLOWER "${zeros}${expected_word}${zeros}${expected_word}" expected_header)
        if(NOT header STREQUAL expected_header)
            problem("the ${size}x${size} icon has the header ${header}, not that of a ${size}x${size} picture")
        endif()
    endforeach()
endif()

if(problems)
    list(JOIN problems "\n  " report)
    message(FATAL_ERROR "The installed tree is not right:\n  ${report}")
endif()
message(STATUS "Installed tree in ${PREFIX} is complete")
