# SPDX-License-Identifier: GPL-3.0-or-later
# Writes wingsheet.1 and wingsheet.1.gz from the template, with the program's own --help text as
# the synopsis and the options, so the page cannot drift from the program.
# Run with -DWINGSHEET=<exe> -DTEMPLATE=<.in> -DOUTPUT=<.1> -DVERSION=<x.y.z> -DDATE=<yyyy-mm-dd>
execute_process(COMMAND ${WINGSHEET} --help
    OUTPUT_VARIABLE help ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${WINGSHEET} --help failed (${status}):\n${errors}")
endif()

# roff: a backslash is \e, a minus \- (so an option reads and copies as typed), and a line that
# starts with "." or "'" would be a request.
string(REPLACE "\\" "\\e" help "${help}")
string(REPLACE "-" "\\-" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")

# The usage lines come first, then a blank line and the options.
string(FIND "${help}" "\n\n" blank)
if(blank EQUAL -1)
    message(FATAL_ERROR "--help has no blank line between the usage and the options:\n${help}")
endif()
string(SUBSTRING "${help}" 0 ${blank} usage)
math(EXPR optionsStart "${blank} + 2")
string(SUBSTRING "${help}" ${optionsStart} -1 options)
# "Usage: " goes; the lines under it keep their alignment.
string(REGEX REPLACE "^Usage: " "" usage "${usage}")
string(REPLACE "\n       " "\n" usage "${usage}")
string(REGEX REPLACE "(^|\n)  " "\\1" options "${options}")
string(REGEX REPLACE "\n+$" "" options "${options}")

set(WINGSHEET_USAGE "${usage}")
set(WINGSHEET_OPTIONS "${options}")
set(WINGSHEET_VERSION "${VERSION}")
set(WINGSHEET_DATE "${DATE}")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
# -n: no name or time stamp in the archive, so the same page gives the same bytes.
execute_process(COMMAND gzip -9 -n -c ${OUTPUT} OUTPUT_FILE ${OUTPUT}.gz RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip failed on ${OUTPUT}")
endif()
