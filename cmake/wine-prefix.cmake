# Makes the Wine prefix that the cross-built tests share (WINEPREFIX and the locale come
# from the test environment), before any test starts, so that they do not race to make it.
# cmake -DWINE=... -DLOG=... -P wine-prefix.cmake
#
# Wine's output goes to a file: Wine's server and services, which the first Wine process
# starts, keep what they inherit open, and CTest would wait for them to end before it
# counted a test that gave them its output as finished.
get_filename_component(wine_folder "${WINE}" DIRECTORY)
set(run_wine OUTPUT_FILE "${LOG}" ERROR_FILE "${LOG}" COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND "${wine_folder}/wineboot" --init ${run_wine})
# Wine's browser launcher hands mail targets to /usr/bin/open before anything in PATH; in
# the tests both kinds of link go to xdg-open, so that the stand-in for the host's opener
# that the link test puts first in PATH receives them.
foreach(kind Browsers Mailers)
    execute_process(COMMAND "${WINE}" reg add "HKCU\\Software\\Wine\\WineBrowser" /v ${kind} /d xdg-open /f ${run_wine})
endforeach()
# A German Windows writes the short date as dd.MM.yyyy; Wine's German locale has d.M.yyyy.
# The prefix gets Windows' setting, which Wine keeps as long as the locale stays the same.
execute_process(COMMAND "${WINE}" reg add "HKCU\\Control Panel\\International" /v sShortDate /d dd.MM.yyyy /f ${run_wine})
execute_process(COMMAND "${wine_folder}/wineserver" --wait ${run_wine})
