# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles through ccache when it is installed, so a rebuild after touching a header or
# switching branches reuses what was compiled before. Precompiled headers need ccache's
# pch sloppiness; GCC then also needs -fpch-preprocess (see wingsheet_precompile_test_headers).
find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
    set(CMAKE_CXX_COMPILER_LAUNCHER
        env CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
            CCACHE_BASEDIR=${PROJECT_SOURCE_DIR} ${CCACHE_PROGRAM})
endif()
