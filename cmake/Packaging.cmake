# The Debian package, built by CPack from the install rules (tools/package.sh):
# everything `cmake --install` puts under the prefix, plus what Debian asks of
# a package (copyright, changelog). Lintian finds nothing to override.
include(GNUInstallDirs)

# The package format needs a maintainer's mail address. The project owns no
# mail domain, so none is made up: whoever builds the package names theirs
# (tools/package.sh passes TICKWRIGHT_MAINTAINER from the environment), and the
# default is an address under the reserved top-level domain .invalid, which
# says plainly that nobody is reachable there.
set(TICKWRIGHT_MAINTAINER "Tickwright developers <tickwright@packages.invalid>"
    CACHE STRING "The Debian package's maintainer, as \"Name <address>\"")

set(TICKWRIGHT_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tickwright)
configure_file(${PROJECT_SOURCE_DIR}/packaging/debian/copyright.in
               ${CMAKE_BINARY_DIR}/copyright @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/copyright DESTINATION ${TICKWRIGHT_DOC_DIR})
# The package is its own upstream (a native package, version without a Debian
# revision), so its Debian changelog is changelog.gz.
configure_file(${PROJECT_SOURCE_DIR}/packaging/debian/changelog.in
               ${CMAKE_BINARY_DIR}/changelog @ONLY)
set(changelog ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog}
    COMMAND gzip -9n -c ${CMAKE_BINARY_DIR}/changelog > ${changelog}
    DEPENDS ${CMAKE_BINARY_DIR}/changelog
    COMMENT "Compressing the Debian changelog")
add_custom_target(tickwright_changelog ALL DEPENDS ${changelog})
install(FILES ${changelog} DESTINATION ${TICKWRIGHT_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tickwright)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tickwright developers")
set(CPACK_PACKAGE_CONTACT "${TICKWRIGHT_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# The synopsis is the summary above; this is the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tickwright converts Unix timestamps, in seconds or milliseconds, to
calendar date and time text and back, in 25 fixed whole-hour zones from
UTC-12H to UTC+12H. An advanced mode converts between any two zones. Every
conversion is kept in a history list whose rows take a note, can be copied
and can be exported as CSV. The user interface is in Simplified Chinese.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${TICKWRIGHT_DEB_ARCH})
# dpkg-shlibdeps adds the libraries the binary links; these it cannot see.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME ${TICKWRIGHT_DEB_FILE})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)
