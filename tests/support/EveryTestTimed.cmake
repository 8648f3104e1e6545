# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a test of this build has no TIMEOUT: a hanging test would then hold ctest until
# CI's own limit. Run in the build folder with -DCTEST=<ctest>.
execute_process(COMMAND ${CTEST} --show-only=json-v1
    OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "ctest --show-only failed (${status})")
endif()
string(JSON count LENGTH "${listing}" tests)
math(EXPR last "${count} - 1")
set(untimed)
foreach(index RANGE ${last})
    string(JSON test GET "${listing}" tests ${index})
    string(JSON name GET "${test}" name)
    string(JSON properties ERROR_VARIABLE none GET "${test}" properties)
    if(NOT properties MATCHES "\"name\" *: *\"TIMEOUT\"")
        list(APPEND untimed "${name}")
    endif()
endforeach()
if(untimed)
    list(JOIN untimed "\n  " names)
    message(FATAL_ERROR "tests without a TIMEOUT:\n  ${names}")
endif()
message(STATUS "${count} tests, each with a TIMEOUT")
