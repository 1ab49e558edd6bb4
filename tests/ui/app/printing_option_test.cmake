# Runs pelvar with a printing option and no display of any kind, alone and after a file name,
# and checks that it prints its text and ends with status 0 both times (a file name before
# the option is neither opened nor refused); onto a full disk it must end with status 1.
# Usage: cmake -DPROGRAM=<pelvar> -DOPTION=--version|--help|-h -P printing_option_test.cmake
if(OPTION STREQUAL "--version")
    set(expected "^Pelvar Version 1\\.7 \\([^)]+\\)\nDateiversion 1\\.0\\.0\\.1")
elseif(OPTION STREQUAL "--help" OR OPTION STREQUAL "-h")
    set(expected "^Aufruf: pelvar \\[DATEI\\]")
else()
    message(FATAL_ERROR "unknown option '${OPTION}'")
endif()

foreach(arguments "${OPTION}" "fehlt.txt;${OPTION}")
    execute_process(
        COMMAND env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${PROGRAM}" ${arguments}
        RESULT_VARIABLE status
        OUTPUT_VARIABLE output
        ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "pelvar ${arguments}: status ${status}\n${output}${errors}")
    endif()
    if(NOT output MATCHES "${expected}")
        message(FATAL_ERROR "pelvar ${arguments}: unexpected output\n${output}${errors}")
    endif()
endforeach()

execute_process(
    COMMAND "${PROGRAM}" ${OPTION}
    RESULT_VARIABLE status
    OUTPUT_FILE /dev/full
    ERROR_VARIABLE errors)
if(NOT status EQUAL 1 OR NOT errors MATCHES "^pelvar: ")
    message(FATAL_ERROR "pelvar ${OPTION} >/dev/full: status ${status}\n${errors}")
endif()
