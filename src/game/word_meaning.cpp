#include "game/word_meaning.h"

#include <optional>

namespace game {

namespace {

constexpr const char* kCutMark = "...";
constexpr size_t kCutMarkLength = 3;

// The first words of text that fit in width columns, and where the rest
// starts (text.size() when all of it fits).
size_t fittingEnd(const std::string& text, size_t from, size_t width) {
  if (text.size() - from <= width) return text.size();
  size_t end = text.rfind(' ', from + width);
  // A word longer than the row is cut where the row ends.
  return end == std::string::npos || end <= from ? from + width : end;
}

std::string withCutMark(std::string row, size_t width) {
  while (row.size() + kCutMarkLength > width) {
    size_t blank = row.rfind(' ');
    row.resize(blank == std::string::npos ? width - kCutMarkLength : blank);
  }
  return row + kCutMark;
}

}  // namespace

std::string meaningText(const std::string& word, dictionary::MeaningsOnDemand& meanings) {
  std::optional<dictionary::Meaning> meaning = meanings.find(word);
  if (!meaning) {
    switch (meanings.file()) {
      case dictionary::MeaningsFile::kUnreadable:
        return word + ": no meaning on file (the file of meanings could not be read)";
      case dictionary::MeaningsFile::kHoldsNone:
        return word + ": no meaning on file (the file of meanings holds none)";
      case dictionary::MeaningsFile::kUsed:
      case dictionary::MeaningsFile::kForOtherWords: break;
    }
    return word + ": no meaning on file";
  }
  std::string text = word + " (";
  if (!meaning->base.empty()) (text += meaning->base) += ", ";
  (text += meaning->partOfSpeech) += "): ";
  if (meaning->secondGloss.empty()) return text += meaning->gloss;
  ((text += "1. ") += meaning->gloss) += " 2. ";
  return text += meaning->secondGloss;
}

std::vector<std::string> wrapRows(const std::string& text, size_t width, size_t rows) {
  std::vector<std::string> wrapped;
  size_t from = 0;
  while (from < text.size() && wrapped.size() < rows) {
    size_t end = fittingEnd(text, from, width);
    wrapped.push_back(text.substr(from, end - from));
    from = end < text.size() && text[end] == ' ' ? end + 1 : end;
  }
  if (from < text.size() && !wrapped.empty()) wrapped.back() = withCutMark(wrapped.back(), width);
  return wrapped;
}

}  // namespace game
