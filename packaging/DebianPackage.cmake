# The Debian package that tools/package.sh makes with cpack. Its files are what `cmake --install`
# lays out; this says what the package says of itself.
if(WIN32 OR APPLE)
  return()
endif()

# The changelog's newest entry gives the package its revision and must name the version built.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^velomir \\(${PROJECT_VERSION}-([0-9]+)\\)")
  message(FATAL_ERROR "packaging/changelog does not begin with an entry for version ${PROJECT_VERSION}")
endif()
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_1})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velomir)
set(CPACK_PACKAGE_VENDOR "Velomir developers")
set(CPACK_PACKAGE_CONTACT "Velomir developers <velomir@example.org>")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer for the file manager's change log History.txt")
set(CPACK_PACKAGE_DESCRIPTION [[
Velomir shows History.txt, the change log of the Total Commander file
manager, release by release: the releases in one list, and the dated
additions and fixes of the chosen release in another, with a wrap panel for
long lines. It filters and reverses the list, searches the whole log, copies
rows, and counts additions and fixes per release and per weekday.

Without a file named on the command line it finds History.txt by itself,
also in a Wine prefix. Reports on the command line print the same lists
without a display.]])
# A package installs under /usr; tools/package.sh builds for that prefix, so the program knows it.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Everything `cmake --install` lays out, and the files only the package carries.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Velomir;ALL;/;${CMAKE_BINARY_DIR};Velomir;debian;/")
include(CPack)
