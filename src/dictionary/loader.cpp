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
#include "dictionary/letters.h"
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
  WordLoader(Table& table, bool verbose, bool letters)
      : table_(table), verbose_(verbose), letters_(letters) {}

  /// Reads the file to its end; a read error is returned, the end is not.
  std::error_code readAll(std::FILE& file);
  void writeTotals() const;

 private:
  void split(dictionary::LineSplitter& splitter, size_t received);
  template <bool kVerbose, bool kLetters>
  void take(const char* line, size_t length);
  void takeLetterLine(const char* line, size_t length);
  void insert(const containers::ShortWord& word);
  void writeProgress(const containers::ShortWord& word) const;
  // The table's hash function, called directly when it is hashWord, so the
  // compiler can inline it and keep the word in registers.
  int32_t bucketOf(const containers::ShortWord& word) const {
    return table_.hash == containers::hashWord ? containers::hashWord(word) : table_.hash(word);
  }

  Table& table_;
  bool verbose_;
  bool letters_;  ///< letters are characters: lines with bytes of 128 or more are counted so, and a blank is
                  ///< none
  Totals totals_;
};

// A read cut short by a signal (a resize, a stop and continue) is no error:
// what it brought is taken, and reading goes on where it stopped.
std::error_code WordLoader::readAll(std::FILE& file) {
  // With characters for letters, a six-letter line may take many bytes.
  dictionary::LineSplitter splitter(kLoaderChunkBytes, letters_ ? dictionary::kLongestLetterLine + 1
                                                                : dictionary::LineSplitter::kLongestHanded);
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
  auto taking = [&](auto verbose, auto letters) {
    return splitter.split(received, [this](const char* line, size_t length) {
      take<decltype(verbose)::value, decltype(letters)::value>(line, length);
    });
  };
  // A chunk of plain ASCII, as every chunk of an English list is, is split
  // as in the classic game: its lines longer than a word of bytes are no
  // words with either rule.
  const bool letters = letters_ && splitter.holdsHighByte(received);
  splitter.handUpTo(letters ? dictionary::kLongestLetterLine + 1 : dictionary::LineSplitter::kLongestHanded);
  if (verbose_) {
    lines =
        letters ? taking(std::true_type{}, std::true_type{}) : taking(std::true_type{}, std::false_type{});
  } else {
    lines =
        letters ? taking(std::false_type{}, std::true_type{}) : taking(std::false_type{}, std::false_type{});
  }
  totals_.linesRead = totals_.linesRead + static_cast<uint32_t>(lines);
}

// The quiet loop runs once per line that may hold a word: everything in it
// is inlined, and it branches only on whether the line is a word. With
// characters for letters, only a line longer than a word of bytes or with
// a byte of 128 or more leaves it for the slow path, so an ASCII list loads
// as fast either way.
template <bool kVerbose, bool kLetters>
inline void WordLoader::take(const char* line, size_t length) {
  if constexpr (kLetters) {
    if (length > dictionary::LineSplitter::kLongestHanded) {
      // Most such lines are ASCII words too long to count: passed over here.
      if (dictionary::holdsHighByteAnywhere(line, length)) takeLetterLine(line, length);
      return;
    }
    if (dictionary::holdsHighByte(line, length)) {
      takeLetterLine(line, length);
      return;
    }
  }
  const dictionary::LineWord candidate = dictionary::readLineWord(line, length, letters_);
  if (candidate.usable) {
    char padded[dictionary::kLanes];
    dictionary::storeEightBytes(padded, candidate.lanes);
    const containers::ShortWord word(containers::ShortWord::FromZeroPadded{}, padded, candidate.length);
    totals_.usableWords = totals_.usableWords + 1;
    if constexpr (kVerbose) writeProgress(word);
    table_.buckets[static_cast<size_t>(bucketOf(word))].insert(word);
  }
}

void WordLoader::takeLetterLine(const char* line, size_t length) {
  std::string_view text(line, length);
  if (text.back() == '\r') text.remove_suffix(1);
  if (!dictionary::isUsableLetterWord(text)) return;
  insert(containers::ShortWord(text));
}

void WordLoader::insert(const containers::ShortWord& word) {
  totals_.usableWords = totals_.usableWords + 1;
  if (verbose_) writeProgress(word);
  table_.buckets[static_cast<size_t>(bucketOf(word))].insert(word);
}

// The word is padded to six letters, not bytes, so the field is as wide on
// screen whatever its letters are.
void WordLoader::writeProgress(const containers::ShortWord& word) const {
  const std::string shown = dictionary::shownText(word.view());
  const size_t letters = dictionary::letterCount(word.view());
  const int padding = letters < 6 ? static_cast<int>(6 - letters) : 0;
  char text[160];
  int length = std::snprintf(text, sizeof text, ": Word # %-6" PRIu32 " - %s%*s (%-4" PRId32 ")",
                             totals_.usableWords, shown.c_str(), padding, "", containers::hashWord(word));
  // As many backspaces as columns written bring the cursor back to the
  // colon, so the next word's text overwrites this one in place, however
  // many digits the count has.
  std::cout.write(text, length);
  const size_t columns = static_cast<size_t>(length) - (shown.size() - letters);
  std::cout << std::string(columns, '\b');
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
  WordLoader loader(*game.dictionary, verbose,
                    dictionary::letterRule() == dictionary::LetterRule::kCharacters);
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
