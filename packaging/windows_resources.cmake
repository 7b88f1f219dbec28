# The Windows program's resources (packaging/windows/quillop.rc.in): the
# icon, made here from its drawing in text by tools/make_icon.pl; the
# manifest; and the version information, from the project's version, the
# same that --version prints.
enable_language(RC)
find_program(QUILLOP_PERL perl REQUIRED)
set(QUILLOP_RESOURCES ${CMAKE_BINARY_DIR}/resources)
set(QUILLOP_ICON ${QUILLOP_RESOURCES}/quillop.ico)
set(QUILLOP_MANIFEST ${QUILLOP_RESOURCES}/quillop.manifest)
set(QUILLOP_DESCRIPTION "Quillop: a timed anagram word game")
set(QUILLOP_FILE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)

add_custom_command(OUTPUT ${QUILLOP_ICON}
  COMMAND ${QUILLOP_PERL} ${PROJECT_SOURCE_DIR}/tools/make_icon.pl
          ${PROJECT_SOURCE_DIR}/packaging/windows/icon.txt ${QUILLOP_ICON} 1 2 3
  DEPENDS ${PROJECT_SOURCE_DIR}/tools/make_icon.pl ${PROJECT_SOURCE_DIR}/packaging/windows/icon.txt
  COMMENT "Drawing the program's icon")
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/quillop.manifest ${QUILLOP_MANIFEST} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/quillop.rc.in ${QUILLOP_RESOURCES}/quillop.rc @ONLY)
target_sources(quillop PRIVATE ${QUILLOP_RESOURCES}/quillop.rc)
# The resource compiler reads the icon and the manifest; CMake does not see
# those inclusions itself.
set_source_files_properties(${QUILLOP_RESOURCES}/quillop.rc PROPERTIES
  OBJECT_DEPENDS "${QUILLOP_ICON};${QUILLOP_MANIFEST}")
