#include "console/output_buffer.h"

namespace console {

void OutputBuffer::reset(Terminal* terminal) {
  terminal_ = terminal;
  pending_.clear();
  onGrid_ = false;
  atLineStart_ = true;
}

void OutputBuffer::sendLines() {
  if (pending_.empty()) return;
  if (terminal_ != nullptr) terminal_->writeText(pending_);
  pending_.clear();
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
