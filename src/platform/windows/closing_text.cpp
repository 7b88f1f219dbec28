#include "platform/windows/closing_text.h"

#include <utility>

namespace platform {

void ClosingText::noteOutput(std::string_view bytes) {
  if (!bytes.empty()) outputAtLineStart_ = bytes.back() == '\n';
}

std::string ClosingText::take(bool outputIsConsole) {
  std::string text = std::move(text_);
  text_.clear();
  if (!text.empty() && !outputIsConsole && !outputAtLineStart_) text.insert(text.begin(), '\n');
  return text;
}

}  // namespace platform
