#include "console/output_buffer.h"

namespace console {

void OutputBuffer::reset(Terminal* terminal) {
  terminal_ = terminal;
  pending_.clear();
  onGrid_ = false;
  atLineStart_ = true;
  openLine_.clear();
  openLineTooLong_ = false;
  lastLine_.clear();
}

void OutputBuffer::sendLines() {
  if (pending_.empty()) return;
  noteSent(pending_);
  if (terminal_ != nullptr) terminal_->writeText(pending_);
  pending_.clear();
}

void OutputBuffer::sendCurrentLineAgain() {
  const std::string& line = openLine_.empty() ? lastLine_ : openLine_;
  if (terminal_ != nullptr && !line.empty()) terminal_->writeText(line);
}

void OutputBuffer::noteSent(std::string_view sent) {
  size_t lastEnd = sent.rfind('\n');
  if (lastEnd == std::string_view::npos) {
    appendToOpenLine(sent);
    return;
  }
  size_t endBefore = lastEnd == 0 ? std::string_view::npos : sent.rfind('\n', lastEnd - 1);
  if (endBefore != std::string_view::npos) {
    openLine_.clear();
    openLineTooLong_ = false;
  }
  size_t lineStart = endBefore == std::string_view::npos ? 0 : endBefore + 1;
  appendToOpenLine(sent.substr(lineStart, lastEnd + 1 - lineStart));
  lastLine_ = openLineTooLong_ ? std::string() : std::move(openLine_);
  openLine_.clear();
  openLineTooLong_ = false;
  appendToOpenLine(sent.substr(lastEnd + 1));
}

void OutputBuffer::appendToOpenLine(std::string_view bytes) {
  if (openLine_.size() + bytes.size() > kLongestLineKept) {
    openLineTooLong_ = true;
    openLine_.clear();
  }
  if (!openLineTooLong_) openLine_.append(bytes);
}

void OutputBuffer::take(std::string_view bytes) {
  if (bytes.empty()) return;
  if (onGrid_) {
    grid_.write(bytes);
    drawn_ = true;
    return;
  }
  pending_.append(bytes);
  atLineStart_ = bytes.back() == '\n';
  if (pending_.size() >= kMaxPending) sendLines();
}

OutputBuffer::int_type OutputBuffer::overflow(int_type ch) {
  if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
  char byte = traits_type::to_char_type(ch);
  take(std::string_view(&byte, 1));
  return ch;
}

std::streamsize OutputBuffer::xsputn(const char* s, std::streamsize n) {
  take(std::string_view(s, static_cast<size_t>(n)));
  return n;
}

int OutputBuffer::sync() {
  if (!onGrid_) sendLines();
  return 0;
}

}  // namespace console
