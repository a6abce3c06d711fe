# The Windows package (`cpack` in the build folder): one ZIP with the programs, the README and
# the licence at its top, and what the README links to.
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/CONTRIBUTING.md
              ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION .)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/ DESTINATION docs
        FILES_MATCHING PATTERN "*.md" PATTERN "*.png")
if(TUNEWRAP_BUILD_UI)
    set(CPACK_PACKAGE_NAME tunewrap)
    # Qt's own texts in the window's languages, from the same Qt version's translations as
    # Debian ships them; the window looks for them beside itself.
    file(GLOB tunewrapLanguages ${CMAKE_SOURCE_DIR}/ui/translations/tunewrap_*.ts)
    foreach(ts ${tunewrapLanguages})
        string(REGEX REPLACE ".*tunewrap_(.*)\\.ts$" "\\1" language ${ts})
        set(qm /usr/share/qt6/translations/qtbase_${language}.qm)
        if(EXISTS ${qm})
            install(FILES ${qm} DESTINATION translations)
        endif()
    endforeach()
else()
    set(CPACK_PACKAGE_NAME tunewrap-cli)
endif()
set(CPACK_PACKAGE_VENDOR "The Tunewrap developers")
set(CPACK_SYSTEM_NAME windows-x86_64)
set(CPACK_GENERATOR ZIP)
set(CPACK_STRIP_FILES ON)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
