# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts under the prefix: the program, its data folder share/wingsheet, the
# desktop entry, the icons, the AppStream metainfo, the wing-file type, the man page and the docs.
set(app_id org.example.wingsheet)
set(data ${PROJECT_SOURCE_DIR}/data)

# The man page is dated by this version's release in the metainfo, so both name the same day.
file(STRINGS ${data}/${app_id}.metainfo.xml release
    REGEX "<release version=\"${PROJECT_VERSION}\" date=\"[0-9-]+\"")
if(NOT release MATCHES "date=\"([0-9-]+)\"")
    message(FATAL_ERROR "data/${app_id}.metainfo.xml has no release ${PROJECT_VERSION}")
endif()
set(WINGSHEET_RELEASE_DATE ${CMAKE_MATCH_1})

set(man_page ${CMAKE_BINARY_DIR}/man/wingsheet.1)
add_custom_command(OUTPUT ${man_page} ${man_page}.gz
    COMMAND ${CMAKE_COMMAND} -DWINGSHEET=$<TARGET_FILE:wingsheet>
            -DTEMPLATE=${data}/wingsheet.1.in -DOUTPUT=${man_page}
            -DVERSION=${PROJECT_VERSION} -DDATE=${WINGSHEET_RELEASE_DATE}
            -P ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
    DEPENDS wingsheet ${data}/wingsheet.1.in ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
    COMMENT "Writing the man page from wingsheet --help")
add_custom_target(wingsheet_man ALL DEPENDS ${man_page}.gz)

install(TARGETS wingsheet RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
file(GLOB language_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/lang/*.lng)
file(GLOB sketches CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/lang/*.gif)
install(FILES ${language_files} ${sketches} ${PROJECT_SOURCE_DIR}/src/ui/dialogs/AboutPlanform.jpg
    DESTINATION ${WINGSHEET_DATA_DIR})
install(FILES ${data}/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${data}/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The wing-file type must join the system's MIME database, where its *.txt glob weighs less than
# text/plain's and the first line decides. In a folder of its own (/usr/local/share/mime) Qt lets
# that glob replace the system's *.txt and every text file would pass for a wing, so only an
# install into /usr (the Debian package) carries it.
install(CODE "
    if(CMAKE_INSTALL_PREFIX STREQUAL \"/usr\")
        file(INSTALL \"${data}/wingsheet.xml\"
            DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/mime/packages\")
    endif()")
install(DIRECTORY ${data}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
# ./run builds the program alone, without the page: an install then writes it from the program
# into a folder of its own, leaving the build folder as it is (an install may run as root).
install(CODE "
    set(man_page \"${man_page}.gz\")
    if(NOT EXISTS \"\${man_page}\")
        string(RANDOM LENGTH 8 tag)
        set(folder \"/tmp/wingsheet-man-\${tag}\")
        execute_process(COMMAND \"${CMAKE_COMMAND}\" -DWINGSHEET=$<TARGET_FILE:wingsheet>
                -DTEMPLATE=${data}/wingsheet.1.in -DOUTPUT=\${folder}/wingsheet.1
                -DVERSION=${PROJECT_VERSION} -DDATE=${WINGSHEET_RELEASE_DATE}
                -P ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
            RESULT_VARIABLE status)
        if(NOT status EQUAL 0)
            message(FATAL_ERROR \"the man page could not be written from wingsheet --help\")
        endif()
        set(man_page \"\${folder}/wingsheet.1.gz\")
    endif()
    file(INSTALL \"\${man_page}\"
        DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_MANDIR}/man1\")
    if(folder)
        file(REMOVE_RECURSE \"\${folder}\")
    endif()")
# The licence in full, and the Debian summary of who holds what under which licence.
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE ${data}/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/wingsheet)
