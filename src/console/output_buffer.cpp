#include "console/output_buffer.h"

#include "console/fd_output.h"

namespace console {

void OutputBuffer::send(bool redrawFirst) {
  if (pending_.empty() && !redrawFirst) return;
  if (keepScreenCopy_) {
    // The copy starts with a clear, so remembering it again together with
    // the new bytes leaves the copy followed by them, as on the screen.
    if (redrawFirst) pending_.insert(0, screenCopy_.text());
    screenCopy_.remember(pending_);
  }
  writeFully(fd_, pending_.data(), pending_.size());
  pending_.clear();
}

OutputBuffer::int_type OutputBuffer::overflow(int_type ch) {
  if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
  pending_.push_back(traits_type::to_char_type(ch));
  if (pending_.size() >= kMaxPending) send();
  return ch;
}

std::streamsize OutputBuffer::xsputn(const char* s, std::streamsize n) {
  pending_.append(s, static_cast<size_t>(n));
  if (pending_.size() >= kMaxPending) send();
  return n;
}

int OutputBuffer::sync() {
  if (!holdFlushes_) send();
  return 0;
}

}  // namespace console
