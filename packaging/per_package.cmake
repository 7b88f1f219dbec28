# Read by cpack once for each package it makes: the .deb installs only the
# debian component (Debian's layout for games); every other package installs
# what `cmake --install` does.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_QUILLOP_BINARY_DIR};quillop;debian;/")
endif()
