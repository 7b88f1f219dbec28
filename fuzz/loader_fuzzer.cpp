// Loads arbitrary bytes as a dictionary file and compares the table and the
// totals with what a plain line-by-line reading of the same bytes gives:
// every line ended by a line feed counts, a carriage return before the line
// feed is dropped, and a line of 3 to 6 bytes without apostrophe or control
// byte goes to the head of its bucket. Half the inputs are loaded with
// characters for letters, where a line with a byte of 128 or more is judged
// by the letter rule alone, which the loader's chunking and fast paths must
// agree with.

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/letters.h"
#include "dictionary/loader.h"
#include "dictionary/word_filter.h"
#include "game_record/word_game.h"
#include "support/load_recorder.h"
#include "support/temp_folder.h"

namespace {

struct ExpectedLoad {
  std::array<std::vector<std::string>, containers::kBucketCount> buckets;  ///< head first
  uint32_t usableWords = 0;
  uint32_t lines = 0;
};

[[noreturn]] void fail(const char* breach) {
  std::fprintf(stderr, "loader: %s\n", breach);
  std::abort();
}

// Half the inputs are put behind one overlong line that ends the first
// chunk the loader reads in their middle, so lines cut by a chunk boundary
// are fuzzed too.
std::string fileContents(std::string_view input) {
  if (input.size() % 2 == 1) return std::string(input);
  const size_t fillerLength = dictionary::kLoaderChunkBytes - 1 - input.size() / 2;
  return std::string(fillerLength, 'x') + '\n' + std::string(input);
}

bool holdsHighByte(std::string_view line) {
  for (char c : line)
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

// With characters for letters a blank is no letter; the classic game keeps it.
bool isUsable(std::string_view line) {
  const bool characters = dictionary::letterRule() == dictionary::LetterRule::kCharacters;
  if (characters && holdsHighByte(line)) return dictionary::isUsableLetterWord(line);
  if (line.size() < 3 || line.size() > 6) return false;
  for (char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\'' || byte < ' ' || byte == 127 || (characters && c == ' ')) return false;
  }
  return true;
}

ExpectedLoad expectedLoad(std::string_view file) {
  ExpectedLoad expected;
  for (size_t end = file.find('\n'); end != std::string_view::npos; end = file.find('\n')) {
    std::string_view line = file.substr(0, end);
    file.remove_prefix(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++expected.lines;
    if (!isUsable(line)) continue;
    ++expected.usableWords;
    const std::string word(line);
    auto& bucket = expected.buckets[static_cast<size_t>(containers::hashWord(word))];
    bucket.insert(bucket.begin(), word);
  }
  return expected;
}

void compareTable(const containers::WordTable& table, const ExpectedLoad& expected) {
  for (size_t i = 0; i < expected.buckets.size(); ++i) {
    const std::vector<std::string>& words = expected.buckets[i];
    if (table.buckets[i].count != words.size()) fail("bucket count");
    const auto* node = table.buckets[i].head;
    for (const std::string& word : words) {
      if (node == nullptr || node->element != word) fail("bucket words");
      node = node->next;
    }
    if (node != nullptr) fail("bucket longer than its count");
  }
}

// Each input gets a new file, removed after loading: a file cut back and
// rewritten in place would be flushed to disk at every close.
class WordFile {
 public:
  explicit WordFile(const std::string& contents) : path_(folder().write("words.txt", contents)) {}
  ~WordFile() { std::filesystem::remove(path_); }
  WordFile(const WordFile&) = delete;
  WordFile& operator=(const WordFile&) = delete;

  const std::string& path() const { return path_; }

 private:
  static const support::TempFolder& folder() {
    static const support::TempFolder instance;
    return instance;
  }

  std::string path_;
};

}  // namespace

// Independent of the choice of filler above, which goes by the size's parity.
dictionary::LetterRule letterRuleFor(size_t inputSize) {
  return inputSize % 4 >= 2 ? dictionary::LetterRule::kCharacters : dictionary::LetterRule::kBytes;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const dictionary::ScopedLetterRule rule(letterRuleFor(size));
  const std::string contents = fileContents(std::string_view(reinterpret_cast<const char*>(data), size));
  const ExpectedLoad expected = expectedLoad(contents);
  support::LoadRecorder told;
  game_record::WordGame game;
  const bool loaded = dictionary::loadDictionary(WordFile(contents).path(), *game.dictionary, true, told);
  if (!loaded) fail("a readable file was refused");
  compareTable(*game.dictionary, expected);
  const std::string totals = ": DONE! (Total usable words: " + std::to_string(expected.usableWords) + " of " +
                             std::to_string(expected.lines) + ")\r\n";
  if (!told.output().ends_with(totals)) fail("totals");
  return 0;
}
