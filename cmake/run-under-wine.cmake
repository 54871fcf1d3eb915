# Runs a cross-built Qt test under Wine with its log written to a file, then prints the log:
# what the test writes to its standard output does not reach the terminal through Wine.
# Wine's own messages go to a file too: the Wine processes that a test may start (its server,
# services and desktop) keep what they inherit open after the test has ended, and CTest would
# count the test as running until they end with the last test of the run.
# cmake -DWINE=... -DTEST=... -DLOG=... -P run-under-wine.cmake
file(REMOVE "${LOG}")
execute_process(COMMAND "${WINE}" "${TEST}" -o "${LOG},txt" RESULT_VARIABLE result
    OUTPUT_FILE "${LOG}.wine" ERROR_FILE "${LOG}.wine")
foreach(log "${LOG}" "${LOG}.wine")
    if(EXISTS "${log}")
        file(READ "${log}" text)
        message("${text}")
    endif()
endforeach()
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TEST} ended with ${result}")
endif()
