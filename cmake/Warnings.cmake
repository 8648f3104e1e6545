# SPDX-License-Identifier: GPL-3.0-or-later
# The warnings every target of ours compiles with, linked PRIVATE so they never reach a library
# or header of someone else's. Under CI (WINGSHEET_WERROR) a warning fails the build.
add_library(wingsheet_warnings INTERFACE)
target_compile_options(wingsheet_warnings INTERFACE
    -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
if(WINGSHEET_WERROR)
    target_compile_options(wingsheet_warnings INTERFACE -Werror)
endif()
