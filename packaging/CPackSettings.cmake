# The Debian package (`cpack -G DEB` in the build folder).
set(CPACK_PACKAGE_NAME tunewrap)
set(CPACK_PACKAGE_VENDOR "The Tunewrap developers")
set(CPACK_PACKAGE_CONTACT "The Tunewrap developers <tunewrap@users.noreply.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "wrap MP3 files into a role-playing game's BMU music files")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/packaging/StripComments.cmake)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (standard buttons, the file dialog) in the window's languages.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
# The summary is the first line; CPack indents these lines below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Tunewrap wraps MP3 files into the BMU files an old role-playing game plays its
music, voice-over and sound effects from (an eight-byte header in front of the
MP3 bytes), and unwraps them again, byte for byte. Before a file is wrapped,
its MPEG frame headers are checked and anything the game would play badly is
named.

The package holds the window program, tunewrap, and the command-line tool,
tunewrap-cli, for scripts and whole folders.")
include(CPack)
