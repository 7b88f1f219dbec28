# The Windows layout, for the zip: one folder holding the program, the
# dictionary and the word meanings beside it (where the program looks for
# them, so the folder can be unpacked anywhere), and the README and the
# notices as .txt files with CRLF line ends, which a double-click opens in
# Notepad as they should read.
set(QUILLOP_ZIP_TEXT ${CMAKE_BINARY_DIR}/zip_text)
# quillop_windows_text(SOURCE NAME): SOURCE's text, lines ended with CRLF,
# made when the build is configured as NAME for the zip.
function(quillop_windows_text source name)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${source})
  file(READ ${PROJECT_SOURCE_DIR}/${source} text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE ${QUILLOP_ZIP_TEXT}/${name} "${text}")
  install(FILES ${QUILLOP_ZIP_TEXT}/${name} DESTINATION .)
endfunction()

install(TARGETS quillop RUNTIME DESTINATION .)
install(FILES engldict.txt engldict.meanings DESTINATION .)
quillop_windows_text(README.md README.txt)
quillop_windows_text(engldict.COPYING engldict.COPYING.txt)
quillop_windows_text(engldict.meanings.COPYING engldict.meanings.COPYING.txt)
