# The Windows layout, for the zip: one folder holding the program, the
# dictionary beside it (where the program looks for it, so the folder can be
# unpacked anywhere), the word lists' notice and the README as text.
install(TARGETS quillop RUNTIME DESTINATION .)
install(FILES engldict.txt engldict.COPYING DESTINATION .)
install(FILES README.md DESTINATION . RENAME README.txt)
