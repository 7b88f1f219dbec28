# Debian's layout for terminal games, for the .deb alone: the program in
# /usr/games, the dictionary, the word meanings and their notices in
# /usr/share/games/quillop, the
# compressed manual page in section 6, and the copyright file and changelog
# that Debian policy asks for in /usr/share/doc/quillop, beside the README
# and the guides of docs/ (compressed, in a docs folder as the README's links
# name them). These install rules
# form the debian component, which a plain `cmake --install` leaves out.

# Debian wants the manual page and the changelog compressed with gzip -9, and
# without gzip's name and time stamp so that the package is reproducible.
find_program(QUILLOP_GZIP gzip REQUIRED)
set(QUILLOP_DEBIAN_FILES ${CMAKE_BINARY_DIR}/debian)
function(quillop_compress_for_debian source name)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  get_filename_component(folder ${QUILLOP_DEBIAN_FILES}/${name} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  execute_process(COMMAND ${QUILLOP_GZIP} -9 -n -c ${source}
                  OUTPUT_FILE ${QUILLOP_DEBIAN_FILES}/${name} COMMAND_ERROR_IS_FATAL ANY)
endfunction()
quillop_compress_for_debian(${PROJECT_SOURCE_DIR}/docs/quillop.6 quillop.6.gz)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${QUILLOP_DEBIAN_FILES}/changelog @ONLY)
quillop_compress_for_debian(${QUILLOP_DEBIAN_FILES}/changelog changelog.gz)

# The copyright file is a preface naming what the package holds, followed by
# the word lists' and the word meanings' notices as the source tree keeps them.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/engldict.COPYING ${PROJECT_SOURCE_DIR}/engldict.meanings.COPYING)
file(READ ${PROJECT_SOURCE_DIR}/engldict.COPYING QUILLOP_DICTIONARY_NOTICE)
file(READ ${PROJECT_SOURCE_DIR}/engldict.meanings.COPYING QUILLOP_MEANINGS_NOTICE)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${QUILLOP_DEBIAN_FILES}/copyright @ONLY)

set(QUILLOP_DEBIAN_INSTALL COMPONENT debian EXCLUDE_FROM_ALL)
install(TARGETS quillop RUNTIME DESTINATION games ${QUILLOP_DEBIAN_INSTALL})
install(FILES ${PROJECT_SOURCE_DIR}/engldict.txt ${PROJECT_SOURCE_DIR}/engldict.COPYING
              ${PROJECT_SOURCE_DIR}/engldict.meanings ${PROJECT_SOURCE_DIR}/engldict.meanings.COPYING
        DESTINATION share/games/quillop ${QUILLOP_DEBIAN_INSTALL})
install(FILES ${QUILLOP_DEBIAN_FILES}/quillop.6.gz DESTINATION share/man/man6 ${QUILLOP_DEBIAN_INSTALL})
install(FILES ${QUILLOP_DEBIAN_FILES}/copyright ${QUILLOP_DEBIAN_FILES}/changelog.gz
        DESTINATION share/doc/quillop ${QUILLOP_DEBIAN_INSTALL})
foreach(guide README.md ${QUILLOP_GUIDES})
  quillop_compress_for_debian(${PROJECT_SOURCE_DIR}/${guide} doc/${guide}.gz)
  get_filename_component(folder share/doc/quillop/${guide} DIRECTORY)
  install(FILES ${QUILLOP_DEBIAN_FILES}/doc/${guide}.gz DESTINATION ${folder} ${QUILLOP_DEBIAN_INSTALL})
endforeach()
