# The Windows release: one folder holding the program, the dictionary beside
# it (where the program looks for it, so the folder can be unpacked
# anywhere), the word lists' notice and the README, packed as a zip.
install(TARGETS quillop RUNTIME DESTINATION .)
install(FILES engldict.txt engldict.COPYING DESTINATION .)
install(FILES README.md DESTINATION . RENAME README.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME quillop-${PROJECT_VERSION}-windows-x86_64)
set(CPACK_STRIP_FILES ON)
include(CPack)
