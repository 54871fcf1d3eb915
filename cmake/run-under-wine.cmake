# Runs a cross-built Qt test under Wine with its log written to a file, then prints the log:
# what the test writes to its standard output does not reach the terminal through Wine.
# cmake -DWINE=... -DTEST=... -DLOG=... -P run-under-wine.cmake
file(REMOVE "${LOG}")
execute_process(COMMAND "${WINE}" "${TEST}" -o "${LOG},txt" RESULT_VARIABLE result)
if(EXISTS "${LOG}")
    file(READ "${LOG}" log)
    message("${log}")
endif()
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TEST} ended with ${result}")
endif()
