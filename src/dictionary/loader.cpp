#include "dictionary/loader.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <new>
#include <system_error>

#include "console/console.h"
#include "dictionary/line_splitter.h"
#include "dictionary/word_filter.h"
#include "platform/file_names.h"

namespace {

using Table = containers::WordTable;

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
  File file;
  int openError = 0;
  do {  // a FIFO's open waits for its writer, and a signal may cut it short
    errno = 0;
    file.reset(std::fopen(fileName.c_str(), "rb"));
    openError = errno;
  } while (!file && openError == EINTR);
  std::error_code ignored;
  if (std::filesystem::is_directory(platform::pathOfName(fileName), ignored)) {
    reportOpenFailure(std::make_error_code(std::errc::is_a_directory));
    return nullptr;
  }
  if (!file) {
    reportOpenFailure(std::error_code(openError, std::generic_category()));
    return nullptr;
  }
  return file;
}

// Lines read and usable words among them.
struct Totals {
  uint32_t usableWords = 0;
  uint32_t linesRead = 0;
};

class WordLoader {
 public:
  WordLoader(Table& table, bool verbose) : table_(table), verbose_(verbose) {}

  /// Reads the file to its end; a read error is returned, the end is not.
  std::error_code readAll(std::FILE& file);
  void writeTotals() const;

 private:
  void split(dictionary::LineSplitter& splitter, size_t received);
  template <bool kVerbose>
  void take(const char* line, size_t length);
  void writeProgress(const containers::ShortWord& word) const;
  // The table's hash function, called directly when it is hashWord, so the
  // compiler can inline it and keep the word in registers.
  int32_t bucketOf(const containers::ShortWord& word) const {
    return table_.hash == containers::hashWord ? containers::hashWord(word) : table_.hash(word);
  }

  Table& table_;
  bool verbose_;
  Totals totals_;
};

// A read cut short by a signal (a resize, a stop and continue) is no error:
// what it brought is taken, and reading goes on where it stopped.
std::error_code WordLoader::readAll(std::FILE& file) {
  dictionary::LineSplitter splitter(kLoaderChunkBytes);
  for (;;) {
    const size_t received = std::fread(splitter.chunk(), 1, splitter.chunkBytes(), &file);
    const bool interrupted = std::ferror(&file) && errno == EINTR;
    if (std::ferror(&file) && !interrupted) return {errno, std::generic_category()};
    split(splitter, received);
    if (interrupted) {
      std::clearerr(&file);
    } else if (received < splitter.chunkBytes()) {
      return {};
    }
  }
}

void WordLoader::split(dictionary::LineSplitter& splitter, size_t received) {
  size_t lines = 0;
  if (verbose_) {
    lines = splitter.split(received, [this](const char* line, size_t length) { take<true>(line, length); });
  } else {
    lines = splitter.split(received, [this](const char* line, size_t length) { take<false>(line, length); });
  }
  totals_.linesRead = totals_.linesRead + static_cast<uint32_t>(lines);
}

// The quiet loop runs once per line that may hold a word: everything in it
// is inlined, and it branches only on whether the line is a word.
template <bool kVerbose>
inline void WordLoader::take(const char* line, size_t length) {
  const dictionary::LineWord candidate = dictionary::readLineWord(line, length);
  if (candidate.usable) {
    char padded[dictionary::kLanes];
    dictionary::storeEightBytes(padded, candidate.lanes);
    const containers::ShortWord word(containers::ShortWord::FromZeroPadded{}, padded, candidate.length);
    totals_.usableWords = totals_.usableWords + 1;
    if constexpr (kVerbose) writeProgress(word);
    table_.buckets[static_cast<size_t>(bucketOf(word))].insert(word);
  }
}

void WordLoader::writeProgress(const containers::ShortWord& word) const {
  char text[64];
  int length =
      std::snprintf(text, sizeof text, ": Word # %-6" PRIu32 " - %-6.*s (%-4" PRId32 ")", totals_.usableWords,
                    static_cast<int>(word.size()), word.view().data(), containers::hashWord(word));
  // As many backspaces as bytes written bring the cursor back to the colon,
  // so the next word's text overwrites this one in place, however many
  // digits the count has.
  std::cout.write(text, length);
  std::cout << std::string(static_cast<size_t>(length), '\b');
}

void WordLoader::writeTotals() const {
  if (verbose_) {
    std::cout << ": DONE! (Total usable words: " << totals_.usableWords << " of " << totals_.linesRead << ")";
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
