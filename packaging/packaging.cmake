# Packages, made with cpack from a configured and built tree:
# - the .deb lays the game out as Debian does terminal games: the program in
#   /usr/games, the dictionary and its notice in /usr/share/games/quillop,
#   the manual page in section 6, and the copyright file and changelog that
#   Debian policy asks for in /usr/share/doc/quillop. These install rules form
#   the debian component, which a plain `cmake --install` leaves out.
# - every other package (the tarball) takes the usual layout of the install
#   rules beside the program's target: bin/, share/quillop/, share/man/.
# The program finds its dictionary from either layout.

# A placeholder (the reserved .invalid domain reaches nobody): whoever
# publishes the .deb sets their own name and address.
set(QUILLOP_PACKAGE_MAINTAINER "Quillop developers <developers@quillop.invalid>"
    CACHE STRING "The .deb's maintainer: a name and an address, as in Debian's Maintainer field")

# Debian wants the manual page and the changelog compressed with gzip -9, and
# without gzip's name and time stamp so that the package is reproducible.
find_program(QUILLOP_GZIP gzip REQUIRED)
set(QUILLOP_DEBIAN_FILES ${CMAKE_BINARY_DIR}/debian)
function(quillop_compress_for_debian source name)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  file(MAKE_DIRECTORY ${QUILLOP_DEBIAN_FILES})
  execute_process(COMMAND ${QUILLOP_GZIP} -9 -n -c ${source}
                  OUTPUT_FILE ${QUILLOP_DEBIAN_FILES}/${name} COMMAND_ERROR_IS_FATAL ANY)
endfunction()
quillop_compress_for_debian(${PROJECT_SOURCE_DIR}/docs/quillop.6 quillop.6.gz)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${QUILLOP_DEBIAN_FILES}/changelog @ONLY)
quillop_compress_for_debian(${QUILLOP_DEBIAN_FILES}/changelog changelog.gz)

# The copyright file is a preface naming what the package holds, followed by
# the word lists' notice as the source tree keeps it.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/engldict.COPYING)
file(READ ${PROJECT_SOURCE_DIR}/engldict.COPYING QUILLOP_DICTIONARY_NOTICE)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${QUILLOP_DEBIAN_FILES}/copyright @ONLY)

set(QUILLOP_DEBIAN_INSTALL COMPONENT debian EXCLUDE_FROM_ALL)
install(TARGETS quillop RUNTIME DESTINATION games ${QUILLOP_DEBIAN_INSTALL})
install(FILES ${PROJECT_SOURCE_DIR}/engldict.txt ${PROJECT_SOURCE_DIR}/engldict.COPYING
        DESTINATION share/games/quillop ${QUILLOP_DEBIAN_INSTALL})
install(FILES ${QUILLOP_DEBIAN_FILES}/quillop.6.gz DESTINATION share/man/man6 ${QUILLOP_DEBIAN_INSTALL})
install(FILES ${QUILLOP_DEBIAN_FILES}/copyright ${QUILLOP_DEBIAN_FILES}/changelog.gz
        DESTINATION share/doc/quillop ${QUILLOP_DEBIAN_INSTALL})

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
set(CPACK_GENERATOR TGZ)
find_program(QUILLOP_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(QUILLOP_DPKG_SHLIBDEPS)
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
