#include "support/transcript_checker.h"

#include "lines/plain_text.h"

namespace support {
namespace {

constexpr uint32_t kQuietMs = 10000;

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

bool isLabelCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ';
}

// "Round 2: ..." or "Yes: ...": a capitalised label, a colon, then a blank
// or nothing.
bool startsWithLabel(std::string_view line) {
  const size_t colon = line.find(':');
  if (colon == std::string_view::npos || colon == 0 || !(line[0] >= 'A' && line[0] <= 'Z')) return false;
  for (size_t i = 0; i < colon; ++i) {
    if (!isLabelCharacter(line[i])) return false;
  }
  return colon + 1 == line.size() || line[colon + 1] == ' ';
}

void checkLineText(const TranscriptLine& line, std::vector<std::string>& problems) {
  if (line.text.empty()) return;
  if (lines::plainText(line.text) != line.text) problems.push_back("not plain text: " + quoted(line.text));
  if (lines::columnsOf(line.text) > lines::kLineColumns)
    problems.push_back("longer than 80: " + quoted(line.text));
  if (!startsWithLabel(line.text)) problems.push_back("no label: " + quoted(line.text));
}

bool isTimeLine(std::string_view text) { return text.starts_with("Time:"); }

// An unasked time line is one not answering a line typed at that moment.
void checkAnnouncements(const std::vector<TranscriptLine>& transcript, std::vector<std::string>& problems) {
  bool said = false;
  uint32_t lastMs = 0;
  uint32_t typedMs = 0;
  bool typedAny = false;
  for (const TranscriptLine& line : transcript) {
    if (line.typed) {
      typedMs = line.atMs, typedAny = true;
      continue;
    }
    if (!isTimeLine(line.text) || (typedAny && line.atMs == typedMs)) continue;
    if (said && line.atMs - lastMs < kQuietMs) {
      problems.push_back("two time announcements within 10 s, at " + std::to_string(lastMs) + " and " +
                         std::to_string(line.atMs) + " ms");
    }
    said = true, lastMs = line.atMs;
  }
}

void checkResults(const std::vector<TranscriptLine>& transcript, std::vector<std::string>& problems) {
  const TranscriptLine* word = nullptr;
  int results = 0;
  auto closeWord = [&] {
    if (word != nullptr && results != 1) {
      problems.push_back(std::to_string(results) + " result lines for the word " + quoted(word->text));
    }
  };
  for (const TranscriptLine& line : transcript) {
    if (line.typed) {
      closeWord();
      word = isTypedWord(line.text) ? &line : nullptr;
      results = 0;
    } else if (isResultLine(line.text)) {
      ++results;
    }
  }
  closeWord();
}

}  // namespace

bool isTypedWord(std::string_view typed) {
  while (!typed.empty() && typed.front() == ' ') typed.remove_prefix(1);
  while (!typed.empty() && typed.back() == ' ') typed.remove_suffix(1);
  if (typed.empty() || typed[0] == '/' || typed[0] == '?') return false;
  return !(typed[0] >= '0' && typed[0] <= '9');  // a menu choice, as "3 90"
}

bool isResultLine(std::string_view line) { return line.starts_with("Yes: ") || line.starts_with("No: "); }

std::vector<TranscriptLine> linesOf(std::string_view output, bool crlf) {
  std::vector<TranscriptLine> result;
  for (size_t end = output.find('\n'); end != std::string_view::npos; end = output.find('\n')) {
    std::string_view text = output.substr(0, end);
    if (crlf && text.ends_with('\r')) text.remove_suffix(1);
    result.push_back({0, false, std::string(text)});
    output.remove_prefix(end + 1);
  }
  if (!output.empty()) result.push_back({0, false, std::string(output)});
  return result;
}

std::vector<std::string> outputProblems(std::string_view output, CheckedRules rules) {
  std::vector<std::string> problems;
  for (size_t i = 0; i < output.size(); ++i) {
    const char c = output[i];
    const bool lineEndCr = rules.crlf && c == '\r' && i + 1 < output.size() && output[i + 1] == '\n';
    if (c == '\x1b' || c == '\b' || (c == '\r' && !lineEndCr)) {
      problems.push_back("control byte " + std::to_string(static_cast<int>(c)) + " at offset " +
                         std::to_string(i));
    }
  }
  if (!output.empty() && !output.ends_with('\n')) problems.push_back("the last line has no line end");
  rules.timed = false;
  for (std::string& problem : transcriptProblems(linesOf(output, rules.crlf), rules))
    problems.push_back(problem);
  return problems;
}

std::vector<std::string> transcriptProblems(const std::vector<TranscriptLine>& transcript,
                                            CheckedRules rules) {
  std::vector<std::string> problems;
  for (const TranscriptLine& line : transcript) {
    if (!line.typed) checkLineText(line, problems);
  }
  if (rules.timed) checkAnnouncements(transcript, problems);
  checkResults(transcript, problems);
  return problems;
}

}  // namespace support
