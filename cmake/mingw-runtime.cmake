# ZORBEL_MINGW_RUNTIME: the run-time libraries of the MinGW-w64 compiler that every program
# it builds loads (the C++ library, GCC's support library, the POSIX threads), found where
# the compiler keeps them.
set(ZORBEL_MINGW_RUNTIME "")
foreach(library libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${library}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${library} is")
    endif()
    list(APPEND ZORBEL_MINGW_RUNTIME "${path}")
endforeach()
