# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a test of this build has no TIMEOUT, since a test that hangs would then hold ctest
# until CI's own limit. Run in the build folder with -DCTEST=<ctest>.
execute_process(COMMAND ${CTEST} --show-only=json-v1 OUTPUT_VARIABLE listing COMMAND_ERROR_IS_FATAL ANY)
string(JSON count LENGTH "${listing}" tests)
math(EXPR last "${count} - 1")
foreach(index RANGE ${last})
    string(JSON properties ERROR_VARIABLE none GET "${listing}" tests ${index} properties)
    if(NOT properties MATCHES "\"name\" *: *\"TIMEOUT\"")
        string(JSON name GET "${listing}" tests ${index} name)
        list(APPEND untimed "${name}")
    endif()
endforeach()
if(untimed)
    list(JOIN untimed "\n  " names)
    message(FATAL_ERROR "tests without a TIMEOUT:\n  ${names}")
endif()
