# Packages, made with cpack from a configured and built tree: a .deb in
# Debian's layout for games (debian_layout.cmake), and a tarball, like every
# other package, in the usual layout of the install rules in the top-level
# CMakeLists.txt: bin/, share/quillop/, share/man/man6/. The program finds its
# dictionary from either layout. A Windows build makes a zip instead, in the
# layout of windows_layout.cmake.

# A placeholder (the reserved .invalid domain reaches nobody): whoever
# publishes the .deb sets their own name and address.
set(QUILLOP_PACKAGE_MAINTAINER "Quillop developers <developers@quillop.invalid>"
    CACHE STRING "The .deb's maintainer: a name and an address, as in Debian's Maintainer field")
if(UNIX)
  include(${CMAKE_CURRENT_LIST_DIR}/debian_layout.cmake)
endif()

set(CPACK_PACKAGE_NAME quillop)
set(CPACK_PACKAGE_VENDOR "Quillop developers")
set(CPACK_PACKAGE_CONTACT ${QUILLOP_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "timed anagram word game for the terminal")
file(READ ${CMAKE_CURRENT_LIST_DIR}/description.txt CPACK_PACKAGE_DESCRIPTION)
set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_STRIP_FILES ON)
# Folders in the packages get the usual mode whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR TGZ)
endif()
find_program(QUILLOP_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(UNIX AND QUILLOP_DPKG_SHLIBDEPS)
  list(APPEND CPACK_GENERATOR DEB)
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Read by cpack for each package it makes; see there for the .deb's layout.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/per_package.cmake)
set(CPACK_QUILLOP_BINARY_DIR ${CMAKE_BINARY_DIR})

include(CPack)
