#pragma once
// Word meanings: the file that ships beside the dictionary, made by
// tools/make_meanings.pl from WordNet, one line a word:
//
//   word TAB base TAB part of speech (n, v, a, r) TAB gloss [TAB gloss]
//
// with the base empty where the word takes its own meaning, and '#' starting
// a comment line. Nothing of it is needed to play, so it is read only when a
// meaning is first asked for, whole and at once, and kept for the run; a
// missing or damaged file only means that no meaning is on file.

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
  /// cannot be read.
  bool read(const std::string& path);

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

/// The meanings read from the file that locate names, the first time one is
/// asked for.
class MeaningsOnDemand {
 public:
  explicit MeaningsOnDemand(std::function<std::string()> locate) : locate_(std::move(locate)) {}

  /// The word's entry; nullopt when it has none or the file was not read.
  std::optional<Meaning> find(std::string_view word);
  /// False when the file could not be read or held no entry.
  bool onFile();

 private:
  const Meanings& meanings();

  std::function<std::string()> locate_;
  Meanings meanings_;
  bool read_ = false;
};

}  // namespace dictionary
