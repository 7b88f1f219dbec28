#pragma once
// Word meanings: the file that ships beside the dictionary, made by
// tools/make_meanings.pl from WordNet, one line a word:
//
//   word TAB base TAB part of speech (n, v, a, r) TAB gloss [TAB gloss]
//
// with the base empty where the word takes its own meaning, and '#' starting
// a comment line. Nothing of it is needed to play, so it is read only when a
// meaning is first asked for, whole and at once, and kept for the run; a
// missing or damaged file only means that no meaning is on file, and so does
// a word list in another language than the file's.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dictionary {

/// One word's entry, as views into the text the Meanings holds.
struct Meaning {
  std::string_view base;          ///< the form the meaning is of; empty: the word itself
  std::string_view partOfSpeech;  ///< "noun", "verb", "adjective" or "adverb"
  std::string_view gloss;         ///< the word's most common sense
  std::string_view secondGloss;   ///< the next sense, or empty
};

class Meanings {
 public:
  /// Takes the file's text; a line that makes no sense is skipped, and of
  /// two lines for one word the first counts.
  void parse(std::string text);
  /// Reads and parses the file at path; false, with no entries, when it
  /// cannot be read or is no regular file of at most kLargestFile bytes (a
  /// folder, a FIFO: nothing is opened that could wait).
  bool read(const std::string& path);
  /// Far above the shipped file's size, well below a size that would strain memory.
  static constexpr uint64_t kLargestFile = uint64_t{64} << 20;

  std::optional<Meaning> find(std::string_view word) const;
  size_t size() const { return entries_.size(); }
  /// The memory the entries take, text and index together.
  size_t bytesHeld() const { return text_.capacity() + entries_.capacity() * sizeof(Line); }

 private:
  struct Line {
    uint32_t start;
    uint32_t length;
  };
  std::string_view lineText(Line line) const {
    return std::string_view(text_).substr(line.start, line.length);
  }
  std::string_view wordOf(Line line) const;

  std::string text_;
  std::vector<Line> entries_;  ///< the lines that make sense, by word in byte order
};

/// What became of the meanings file when it was first asked for.
enum class MeaningsFile {
  kUsed,
  kUnreadable,     ///< missing, unreadable, too large, or no file at all
  kHoldsNone,      ///< read, but with no line that makes sense (empty, garbage)
  kForOtherWords,  ///< it explains too few of the words played: another language's list
};

/// The meanings read from the file that locate names, the first time one is
/// asked for. Given a sample of the words played, the meanings are used only
/// if they explain at least one in kExplainedOneIn of them: an English list
/// has over half its words in the shipped file, a French one under a tenth,
/// and a French word spelled as an English one (air, par) must not take the
/// English meaning.
class MeaningsOnDemand {
 public:
  /// Up to most words spread over the dictionary played.
  using WordSample = std::function<std::vector<std::string>(size_t most)>;
  static constexpr size_t kWordsSampled = 256;
  static constexpr size_t kExplainedOneIn = 3;

  explicit MeaningsOnDemand(std::function<std::string()> locate, WordSample sample = {})
      : locate_(std::move(locate)), sample_(std::move(sample)) {}

  /// The word's entry; nullopt when it has none or the meanings are not used.
  std::optional<Meaning> find(std::string_view word);
  /// False when the meanings are not used, whatever the reason.
  bool onFile();
  MeaningsFile file();

 private:
  const Meanings& meanings();
  bool explainsWordsPlayed() const;

  std::function<std::string()> locate_;
  WordSample sample_;
  Meanings meanings_;
  bool read_ = false;
  MeaningsFile file_ = MeaningsFile::kUsed;
};

}  // namespace dictionary
