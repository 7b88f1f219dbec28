#include "support/fake_line_terminal.h"

#include <algorithm>

namespace support {

void FakeLineTerminal::typeAt(uint32_t atMs, std::string line) { script_.push_back({atMs, std::move(line)}); }

uint32_t FakeLineTerminal::endMs() const {
  if (endMs_ != kNever) return endMs_;
  return script_.empty() ? now_ : script_.back().atMs;
}

lines::LineRead FakeLineTerminal::readLineWithin(uint32_t ms, std::string& line) {
  const uint64_t deadline = static_cast<uint64_t>(now_) + ms;
  if (!script_.empty() && script_.front().atMs <= deadline) {
    now_ = std::max(now_, script_.front().atMs);
    line = std::move(script_.front().line);
    script_.pop_front();
    lines_.push_back({now_, true, line});
    return lines::LineRead::kLine;
  }
  if (script_.empty() && endMs() <= deadline) {
    now_ = std::max(now_, endMs());
    return lines::LineRead::kEnded;
  }
  now_ = static_cast<uint32_t>(deadline);
  return lines::LineRead::kNothingYet;
}

void FakeLineTerminal::write(std::string_view text) {
  output_ += text;
  unfinished_ += text;
  for (size_t end = unfinished_.find('\n'); end != std::string::npos; end = unfinished_.find('\n')) {
    lines_.push_back({now_, false, unfinished_.substr(0, end)});
    unfinished_.erase(0, end + 1);
  }
}

std::vector<TranscriptLine> FakeLineTerminal::transcript() const {
  std::vector<TranscriptLine> all = lines_;
  if (!unfinished_.empty()) all.push_back({now_, false, unfinished_});
  return all;
}

std::vector<std::string> FakeLineTerminal::writtenFrom(std::string_view prefix) const {
  std::vector<std::string> found;
  for (const TranscriptLine& line : lines_) {
    if (!line.typed && (!found.empty() || line.text.starts_with(prefix))) found.push_back(line.text);
  }
  return found;
}

}  // namespace support
