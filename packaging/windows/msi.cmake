# Builds the MSI: run by CPack's External generator once it has installed the package's
# files into CPACK_TEMPORARY_DIRECTORY. wixl-heat describes those files as components of
# their own, so that the MSI holds exactly what the zip and the NSIS installer hold, and
# wixl builds the package from them and zorbel.wxs.
find_program(ZORBEL_WIXL wixl REQUIRED)
find_program(ZORBEL_WIXL_HEAT wixl-heat REQUIRED)

set(staged "${CPACK_TEMPORARY_DIRECTORY}")
set(work "${CPACK_TOPLEVEL_DIRECTORY}")
file(GLOB_RECURSE files LIST_DIRECTORIES false "${staged}/*")
list(JOIN files "\n" file_list)
file(WRITE "${work}/files.txt" "${file_list}\n")
execute_process(
    COMMAND "${ZORBEL_WIXL_HEAT}" --prefix "${staged}/" --directory-ref INSTALLDIR
        --component-group ProgramFiles --var var.SourceDir --win64
    INPUT_FILE "${work}/files.txt" OUTPUT_FILE "${work}/files.wxs" COMMAND_ERROR_IS_FATAL ANY)

# wixl takes the files' paths relative to the folder it runs in, never absolute ones.
file(COPY_FILE "${CPACK_ZORBEL_ICON}" "${work}/zorbel.ico")
file(RELATIVE_PATH source_dir "${work}" "${staged}")
set(msi "${work}/${CPACK_PACKAGE_FILE_NAME}.msi")
execute_process(
    COMMAND "${ZORBEL_WIXL}" --arch x64 -D "Version=${CPACK_PACKAGE_VERSION}" -D Icon=zorbel.ico
        -D "SourceDir=${source_dir}" -D Win64=yes -o "${msi}" "${CPACK_ZORBEL_WXS}" files.wxs
    WORKING_DIRECTORY "${work}" COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_EXTERNAL_BUILT_PACKAGES "${msi}")
