# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file of the program could start a shell or run a command-line string:
# every external program must be started with an argument list. Run with -DSOURCE_DIR=<src>.
file(GLOB_RECURSE sources "${SOURCE_DIR}/*.cpp" "${SOURCE_DIR}/*.h")
set(forbidden
    "(^|[^:A-Za-z_])system\\("  # the C library's, not QLocale::system()
    "std::system\\("
    "popen\\("
    "exec(l|lp|le|v|vp|vpe)\\("
    "posix_spawn"
    "/bin/sh"
    "\"sh\""
    "\"-c\""
    "startCommand\\("
    "splitCommand\\("
    "ShellExecute")
set(found "")
foreach(source IN LISTS sources)
    foreach(pattern IN LISTS forbidden)
        file(STRINGS "${source}" lines REGEX "${pattern}")
        foreach(line IN LISTS lines)
            string(APPEND found "${source}: ${line}\n")
        endforeach()
    endforeach()
endforeach()
if(found)
    message(FATAL_ERROR "A shell or a command-line string in the program:\n${found}")
endif()
message(STATUS "No shell in ${SOURCE_DIR}")
