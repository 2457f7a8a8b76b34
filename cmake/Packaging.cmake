# cpack -G DEB: antkeys_<version>_<arch>.deb, its library dependencies worked out from the
# binaries by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME antkeys)
set(CPACK_PACKAGE_VENDOR "The antkeys developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The antkeys developers <${ANTKEYS_MAINTAINER_EMAIL}>")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The long description; CPack puts the summary above it and indents it for the control file.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "antkeys places the letters of a language on the keys of a keyboard with an
ant colony search, and grades every layout against a reference layout from
the digraph statistics of the language. It comes with input sets for
Georgian, English, Russian, Ukrainian, Armenian and German.

This package holds the desktop program antkeys and the command-line tool
antkeys-cli, for long runs without a display, grading layout files and
counting digraphs of your own texts.")
include(CPack)
