#include "dictionary/loader.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <new>
#include <string_view>
#include <system_error>
#include <vector>

#include "console/console.h"
#include "dictionary/insertion_batch.h"
#include "dictionary/line_splitter.h"
#include "dictionary/word_filter.h"

namespace {

using Table = containers::HTable<std::string>;

// Big enough that reading costs a few system calls per megabyte, small
// enough to be a fixed cost whatever the file holds.
constexpr size_t kChunkBytes = size_t{64} * 1024;

constexpr size_t kQuietTotalsPadding = 38;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

void reportOpenFailure(std::error_code error) {
  std::cout << "Error: File not found (" << error.message() << ")";
  console::lineEnd();
}

void reportReadFailure(std::error_code error) {
  console::lineEnd();
  std::cout << "Error: Could not read the dictionary (" << error.message() << ")";
  console::lineEnd();
}

// A directory opens like a file on POSIX systems and fails only at the first
// read, while Windows refuses to open it for want of permission; either way
// it is refused here in the same words, as a name that is no readable file.
File openDictionary(const std::string& fileName) {
  errno = 0;
  File file(std::fopen(fileName.c_str(), "rb"));
  int openError = errno;
  std::error_code ignored;
  if (std::filesystem::is_directory(fileName, ignored)) {
    reportOpenFailure(std::make_error_code(std::errc::is_a_directory));
    return nullptr;
  }
  if (!file) {
    reportOpenFailure(std::error_code(openError, std::generic_category()));
    return nullptr;
  }
  return file;
}

class WordLoader {
 public:
  WordLoader(Table& table, bool verbose) : table_(table), verbose_(verbose) {}

  /// Reads the file to its end; a read error is returned, the end is not.
  std::error_code readAll(std::FILE& file);
  void writeTotals() const;

 private:
  void take(const dictionary::Line& line);
  void writeProgress() const;
  void insert();

  Table& table_;
  dictionary::InsertionBatch batch_;
  bool verbose_;
  std::string word_;
  uint32_t usableWords_ = 0;
  uint32_t linesRead_ = 0;
};

std::error_code WordLoader::readAll(std::FILE& file) {
  std::vector<char> chunk(kChunkBytes);
  dictionary::LineSplitter splitter;
  std::error_code error;
  for (size_t received = kChunkBytes; received == kChunkBytes && !error;) {
    received = std::fread(chunk.data(), 1, chunk.size(), &file);
    if (std::ferror(&file)) error = std::error_code(errno, std::generic_category());
    splitter.setChunk(std::string_view(chunk.data(), received));
    for (dictionary::Line line; splitter.nextLine(line);) take(line);
  }
  batch_.insertInto(table_);
  return error;
}

void WordLoader::take(const dictionary::Line& line) {
  std::string_view candidate = dictionary::withoutCarriageReturn(line.bytes);
  if (!line.tooLong && dictionary::isUsableWord(candidate)) {
    word_.assign(candidate);
    usableWords_ = usableWords_ + 1;
    if (verbose_) writeProgress();
    insert();
  }
  linesRead_ = linesRead_ + 1;
}

void WordLoader::writeProgress() const {
  char text[64];
  int length = std::snprintf(text, sizeof text, ": Word # %-6" PRIu32 " - %-6s (%-4" PRId32 ")", usableWords_,
                             word_.c_str(), containers::hashWord(word_));
  // As many backspaces as bytes written bring the cursor back to the colon,
  // so the next word's text overwrites this one in place, however many
  // digits the count has.
  std::cout.write(text, length);
  std::cout << std::string(static_cast<size_t>(length), '\b');
}

void WordLoader::insert() {
  batch_.add(table_.hash(word_), word_);
  if (batch_.full()) batch_.insertInto(table_);
}

void WordLoader::writeTotals() const {
  if (verbose_) {
    std::cout << ": DONE! (Total usable words: " << usableWords_ << " of " << linesRead_ << ")";
  } else {
    std::cout << "DONE!" << std::string(kQuietTotalsPadding, ' ');
  }
  console::lineEnd();
}

}  // namespace

bool loadDictionary(const std::string& fileName, WordGame& game, bool verbose) {
  File file = openDictionary(fileName);
  if (!file) return false;
  // Shown before reading starts, so a slow load is not a blank wait.
  std::cout << "Loading and hashing" << (verbose ? "" : "... ") << std::flush;
  WordLoader loader(*game.dictionary, verbose);
  try {
    if (std::error_code error = loader.readAll(*file)) {
      reportReadFailure(error);
      return false;
    }
  } catch (const std::bad_alloc&) {
    console::lineEnd();
    std::cout << "Unknown Error in File Read";
    console::lineEnd();
    return false;
  }
  file.reset();
  loader.writeTotals();
  return true;
}
