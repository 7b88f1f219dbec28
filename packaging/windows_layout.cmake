# The Windows layout, for the zip: one folder holding the program, the
# dictionary and the word meanings beside it (where the program looks for
# them, so the folder can be unpacked anywhere), their notices and the README
# as text.
install(TARGETS quillop RUNTIME DESTINATION .)
install(FILES engldict.txt engldict.COPYING engldict.meanings engldict.meanings.COPYING DESTINATION .)
install(FILES README.md DESTINATION . RENAME README.txt)
