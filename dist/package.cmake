# `make package`: a Debian package of the install rules, under /usr, with its
# Depends worked out by dpkg-shlibdeps from the libraries the game links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tumblewell)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${TW_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "clear coloured blocks from the walls of a tunnel")
set(CPACK_PACKAGE_DESCRIPTION
    "A single-player puzzle game for the desktop. You look down a square tunnel
whose four walls are grids of coloured blocks and clear groups of blocks of one
colour, one wall at a time, while the game pushes new rows into the mouth of
each wall in turn. Push the level's quota of rows to reach the next, faster
level; the game is over when a row is due on a wall that is full.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(TW_HOMEPAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TW_HOMEPAGE})
endif()
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
