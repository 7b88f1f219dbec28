# The benchmarks' big word file. Source this file, then
#   write_word_file PATH
# writes 2,000,000 lines, the same on every run: lengths 1 to 9, lower-case
# letters, about one line in ten with an apostrophe.
write_word_file() {
  LC_ALL=C awk 'BEGIN {
    srand(20240601)
    letters = "abcdefghijklmnopqrstuvwxyz"
    for (i = 0; i < 2000000; i++) {
      length_ = 1 + int(rand() * 9)
      word = ""
      for (j = 0; j < length_; j++) word = word substr(letters, 1 + int(rand() * 26), 1)
      if (rand() < 0.1) word = substr(word, 1, int(length_ / 2)) "\047" substr(word, int(length_ / 2) + 1)
      print word
    }
  }' >"$1"
}
