#include "console/screen_copy.h"

#include <algorithm>

namespace console {
namespace {

// What console::clearScreen writes: cursor home, then erase the screen.
constexpr std::string_view kScreenClear = "\x1b[H\x1b[2J";

}  // namespace

void ScreenCopy::remember(std::string_view sent) {
  std::string window = carry_;
  window.append(sent);
  size_t clearAt = window.rfind(kScreenClear);
  if (clearAt != std::string::npos) {
    text_.assign(window, clearAt);
  } else if (!text_.empty()) {
    text_.append(sent);
  }
  if (text_.size() > kMaxBytes) text_.clear();
  size_t carryLength = std::min(window.size(), kScreenClear.size() - 1);
  carry_.assign(window, window.size() - carryLength);
}

}  // namespace console
