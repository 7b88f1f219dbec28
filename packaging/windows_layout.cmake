# The Windows layout, for the zip: one folder holding the program, the
# dictionary and the word meanings beside it (where the program looks for
# them, so the folder can be unpacked anywhere), and the README, the guides
# of docs/ (in a docs folder, as the README's links name them) and the
# notices as .txt files with CRLF line ends, which a double-click opens in
# Notepad as they should read. They begin with the UTF-8 byte order mark,
# by which every version of Notepad reads them as UTF-8 (the README and the
# guides hold characters beyond ASCII).
set(QUILLOP_ZIP_TEXT ${CMAKE_BINARY_DIR}/zip_text)
# quillop_windows_text(SOURCE NAME): SOURCE's text, marked as UTF-8 and
# its lines ended with CRLF, made when the build is configured as NAME (a
# path in the zip's folder) for the zip.
function(quillop_windows_text source name)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${source})
  file(READ ${PROJECT_SOURCE_DIR}/${source} text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  string(ASCII 239 187 191 utf8_mark)
  file(WRITE ${QUILLOP_ZIP_TEXT}/${name} "${utf8_mark}${text}")
  get_filename_component(folder ${name} DIRECTORY)
  if(folder STREQUAL "")
    set(folder .)
  endif()
  install(FILES ${QUILLOP_ZIP_TEXT}/${name} DESTINATION ${folder})
endfunction()

install(TARGETS quillop RUNTIME DESTINATION .)
install(FILES engldict.txt engldict.meanings DESTINATION .)
quillop_windows_text(README.md README.txt)
foreach(guide IN LISTS QUILLOP_GUIDES)
  string(REGEX REPLACE "[.]md$" ".txt" guide_text ${guide})
  quillop_windows_text(${guide} ${guide_text})
endforeach()
quillop_windows_text(engldict.COPYING engldict.COPYING.txt)
quillop_windows_text(engldict.meanings.COPYING engldict.meanings.COPYING.txt)
