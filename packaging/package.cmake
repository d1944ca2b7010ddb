# The Debian package: the install above with CPack's DEB generator. scripts/package configures a
# build of its own with the folders Debian's policy wants for games (launcher in /usr/games, data in
# /usr/share/games/fezzle-flyer) and runs cpack there.
set(FEZZLE_PACKAGE_DIR ${CMAKE_BINARY_DIR}/packages CACHE PATH "Where cpack writes the package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fezzle-flyer)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${FEZZLE_MAINTAINER}")
set(CPACK_PACKAGE_VENDOR "The Fezzle Flyer Deluxe developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade game of a magic hat flying by breaking wind")
# Wrapped by hand: dpkg shows each line as it is.
set(CPACK_PACKAGE_DESCRIPTION "A cheeky bathroom fairy tale for the desktop: a magic top hat propels
itself with gas through side-scrolling cartoon worlds and must reach the
golden toilet before its inner pressure bursts it.

Eighteen timed levels in each of two game modes, easy and hard, teach one
thing at a time: bumpers, bubble vents, throwers, droppers, blowers and
fading bumpers. Best times are kept as records in each player's own folder.")
set(CPACK_PACKAGE_FILE_NAME fezzle-flyer_${PROJECT_VERSION}_amd64)
set(CPACK_OUTPUT_FILE_PREFIX ${FEZZLE_PACKAGE_DIR})
# The install scripts see the final prefix (scripts/package configures /usr), as the desktop entry
# must name the real launcher.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
