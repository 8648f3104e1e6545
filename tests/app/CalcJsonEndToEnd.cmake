# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real executable as a script would: exit status 0, and standard output nothing but one
# line of JSON with the worked wing's mean chord, whatever Qt or fontconfig say on standard error.
execute_process(
    COMMAND ${WINGSHEET} --calc --json --lang English ${WING_FILE}
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "exit status ${status}; standard error:\n${errors}")
endif()
if(NOT output MATCHES "^{\"file\":[^\n]*\"Lbcmoy\":\" 222.99 mm  \"[^\n]*\n$")
    message(FATAL_ERROR "standard output is not the one JSON line expected:\n${output}")
endif()
