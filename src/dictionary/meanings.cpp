#include "dictionary/meanings.h"

#include <algorithm>
#include <array>
#include <fstream>

#include "platform/file_kind.h"
#include "platform/file_names.h"

namespace dictionary {
namespace {

constexpr char kFieldSeparator = '\t';
constexpr char kCommentStart = '#';
constexpr size_t kLeastFields = 4;
constexpr size_t kMostFields = 5;

struct PartName {
  char letter;
  std::string_view name;
};
constexpr std::array<PartName, 4> kPartNames = {
    {{'n', "noun"}, {'v', "verb"}, {'a', "adjective"}, {'r', "adverb"}}};

std::vector<std::string_view> fieldsOf(std::string_view line) {
  std::vector<std::string_view> fields;
  for (size_t start = 0;;) {
    size_t end = line.find(kFieldSeparator, start);
    fields.push_back(line.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return fields;
    start = end + 1;
  }
}

std::string_view partName(std::string_view letter) {
  for (const PartName& part : kPartNames) {
    if (letter.size() == 1 && letter[0] == part.letter) return part.name;
  }
  return {};
}

bool printable(char c) { return c >= ' ' && c <= '~'; }

// A line makes sense with a word, a part of speech this file knows and a
// first gloss, all in printable text. Checked in one pass over the line,
// as every line of the file is.
bool makesSense(std::string_view line) {
  if (line.empty() || line[0] == kCommentStart) return false;
  std::array<size_t, kMostFields + 1> fieldStarts{};
  size_t fields = 1;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == kFieldSeparator) {
      if (fields == kMostFields) return false;
      fieldStarts[fields++] = i + 1;
    } else if (!printable(line[i])) {
      return false;
    }
  }
  fieldStarts[fields] = line.size() + 1;
  auto length = [&](size_t field) { return fieldStarts[field + 1] - fieldStarts[field] - 1; };
  if (fields < kLeastFields || length(0) == 0 || length(3) == 0) return false;
  return !partName(line.substr(fieldStarts[2], length(2))).empty();
}

}  // namespace

void Meanings::parse(std::string text) {
  text_ = std::move(text);
  entries_.clear();
  // Lines are kept as 32-bit offsets; a file past that is no meanings file.
  if (text_.size() > UINT32_MAX) text_.clear();
  for (size_t start = 0; start < text_.size();) {
    size_t end = std::min(text_.find('\n', start), text_.size());
    size_t length = end - start;
    if (length > 0 && text_[end - 1] == '\r') --length;  // a checkout with Windows line ends
    Line line{static_cast<uint32_t>(start), static_cast<uint32_t>(length)};
    if (makesSense(lineText(line))) entries_.push_back(line);
    start = end + 1;
  }
  // The file comes sorted; only a file put together by hand needs sorting.
  auto byWord = [this](Line a, Line b) { return wordOf(a) < wordOf(b); };
  if (!std::is_sorted(entries_.begin(), entries_.end(), byWord)) {
    std::stable_sort(entries_.begin(), entries_.end(), byWord);
  }
  auto sameWord = [this](Line a, Line b) { return wordOf(a) == wordOf(b); };
  entries_.erase(std::unique(entries_.begin(), entries_.end(), sameWord), entries_.end());
  entries_.shrink_to_fit();
}

// Read in one piece: a megabyte is read in well under a millisecond. The
// file's kind is looked at before it is opened, since opening a FIFO waits
// for a writer and a folder gives a stream of no sensible size.
bool Meanings::read(const std::string& path) {
  const platform::FileFacts facts = platform::fileFacts(path);
  std::ifstream file;
  if (facts.kind == platform::FileKind::kRegular && facts.size <= kLargestFile) {
    file.open(platform::pathOfName(path), std::ios::binary | std::ios::ate);
  }
  const std::streamoff size = file ? static_cast<std::streamoff>(file.tellg()) : -1;
  const bool sane = size >= 0 && static_cast<uint64_t>(size) <= kLargestFile;
  std::string text(sane ? static_cast<size_t>(size) : 0, '\0');
  if (!sane || !file.seekg(0) || !file.read(text.data(), size)) {
    parse({});
    return false;
  }
  parse(std::move(text));
  return true;
}

std::string_view Meanings::wordOf(Line line) const {
  std::string_view text = lineText(line);
  return text.substr(0, text.find(kFieldSeparator));
}

std::optional<Meaning> Meanings::find(std::string_view word) const {
  auto at = std::lower_bound(entries_.begin(), entries_.end(), word,
                             [this](Line line, std::string_view sought) { return wordOf(line) < sought; });
  if (at == entries_.end() || wordOf(*at) != word) return std::nullopt;
  std::vector<std::string_view> fields = fieldsOf(lineText(*at));
  Meaning meaning{fields[1], partName(fields[2]), fields[3], {}};
  if (fields.size() == kMostFields) meaning.secondGloss = fields[4];
  return meaning;
}

std::optional<Meaning> MeaningsOnDemand::find(std::string_view word) { return meanings().find(word); }

bool MeaningsOnDemand::onFile() { return file() == MeaningsFile::kUsed; }

MeaningsFile MeaningsOnDemand::file() {
  meanings();
  return file_;
}

const Meanings& MeaningsOnDemand::meanings() {
  if (read_) return meanings_;
  read_ = true;
  if (!meanings_.read(locate_())) {
    file_ = MeaningsFile::kUnreadable;
  } else if (meanings_.size() == 0) {
    file_ = MeaningsFile::kHoldsNone;
  } else if (!explainsWordsPlayed()) {
    file_ = MeaningsFile::kForOtherWords;
    meanings_.parse({});
  }
  return meanings_;
}

// A dictionary with no words, or no sample to judge by, is taken as the
// file's own.
bool MeaningsOnDemand::explainsWordsPlayed() const {
  if (!sample_) return true;
  const std::vector<std::string> words = sample_(kWordsSampled);
  const auto explained = std::count_if(words.begin(), words.end(), [this](const std::string& word) {
    return meanings_.find(word).has_value();
  });
  return static_cast<size_t>(explained) * kExplainedOneIn >= words.size();
}

}  // namespace dictionary
