# Installing on Linux (`make install`) and the Windows bundle (`make dist`).
if(WIN32)
    # The bundle: stripped DLL and program, the shipped types and README.txt, zipped.
    set(STRINGSLIST_DIST_DIR ${CMAKE_BINARY_DIR}/dist CACHE PATH "Where make dist puts the Windows bundle")
    add_custom_target(dist ALL
        COMMAND sh ${CMAKE_SOURCE_DIR}/scripts/make-dist ${PROJECT_VERSION} $<TARGET_FILE:plugin>
            $<TARGET_FILE:stringslist_program> ${CMAKE_SOURCE_DIR} ${STRINGSLIST_DIST_DIR} ${CMAKE_STRIP}
        DEPENDS plugin stringslist_program
        COMMENT "Windows bundle in ${STRINGSLIST_DIST_DIR}"
        VERBATIM)
else()
    # The program finds the plug-in in ../lib/stringslist and the types in ../share/stringslist.
    install(TARGETS stringslist_program RUNTIME DESTINATION bin)
    install(TARGETS plugin LIBRARY DESTINATION lib/stringslist)
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/filetypes/ DESTINATION share/stringslist/filetypes
        FILES_MATCHING PATTERN "*.reg")
    install(FILES ${CMAKE_SOURCE_DIR}/docs/stringslist.1 DESTINATION share/man/man1)
    install(FILES ${CMAKE_SOURCE_DIR}/docs/patterns.md ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION share/doc/stringslist)
endif()
