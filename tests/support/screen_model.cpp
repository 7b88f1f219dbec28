#include "support/screen_model.h"

#include <algorithm>
#include <cstdlib>

namespace support {
namespace {

std::vector<std::string> blankRow() { return std::vector<std::string>(ScreenModel::kColumns, " "); }

// The numbers of "12;5" as ints; an empty field gives fallback.
std::vector<int> numbers(std::string_view parameters, int fallback) {
  std::vector<int> result;
  size_t start = 0;
  for (;;) {
    size_t end = parameters.find(';', start);
    std::string field(parameters.substr(start, end == std::string_view::npos ? end : end - start));
    result.push_back(field.empty() ? fallback : static_cast<int>(std::strtol(field.c_str(), nullptr, 10)));
    if (end == std::string_view::npos) return result;
    start = end + 1;
  }
}

size_t utf8Length(unsigned char lead) {
  if (lead >= 0xF0 && lead < 0xF8) return 4;
  if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

ScreenModel::ScreenModel() : cells_(kRows, blankRow()) {}

void ScreenModel::apply(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size();) {
    unsigned char byte = static_cast<unsigned char>(bytes[i]);
    if (byte == 0x1b) {
      i = applyEscape(bytes, i);
    } else if (byte == '\r') {
      x_ = 0, wrapPending_ = false, ++i;
    } else if (byte == '\n') {
      newline(), ++i;
    } else if (byte == '\b') {
      if (x_ > 0) --x_;
      wrapPending_ = false, ++i;
    } else if (byte < 0x20 || byte == 0x7f) {
      ++i;  // other control bytes show nothing
    } else {
      size_t length = std::min(utf8Length(byte), bytes.size() - i);
      put(std::string(bytes.substr(i, length)));
      i += length;
    }
  }
}

void ScreenModel::put(std::string cell) {
  if (wrapPending_) {
    newline();
  }
  cells_[static_cast<size_t>(y_)][static_cast<size_t>(x_)] = std::move(cell);
  if (x_ == kColumns - 1) {
    wrapPending_ = true;
  } else {
    ++x_;
  }
}

void ScreenModel::newline() {
  x_ = 0;
  wrapPending_ = false;
  if (y_ < kRows - 1) {
    ++y_;
    return;
  }
  cells_.erase(cells_.begin());
  cells_.push_back(blankRow());
  ++scrolls_;
}

void ScreenModel::eraseScreen(int mode) {
  for (int y = 0; y < kRows; ++y) {
    bool below = y > y_ || (y == y_ && mode == 0);
    bool above = y < y_ || (y == y_ && mode == 1);
    if (mode == 2 || mode == 3 || (mode == 0 && below) || (mode == 1 && above)) {
      cells_[static_cast<size_t>(y)] = blankRow();
    }
  }
  if (mode == 0)
    std::fill(cells_[static_cast<size_t>(y_)].begin(), cells_[static_cast<size_t>(y_)].begin() + x_, " ");
}

void ScreenModel::eraseLine(int mode) {
  auto& line = cells_[static_cast<size_t>(y_)];
  auto from = mode == 0 ? line.begin() + x_ : line.begin();
  auto to = mode == 1 ? line.begin() + x_ + 1 : line.end();
  std::fill(from, to, " ");
}

void ScreenModel::applyCsi(std::string_view parameters, char finalByte) {
  if (!parameters.empty() && parameters[0] == '?') return;  // mode switches
  std::vector<int> n = numbers(parameters, 0);
  auto clampX = [](int v) { return std::clamp(v, 0, kColumns - 1); };
  auto clampY = [](int v) { return std::clamp(v, 0, kRows - 1); };
  int first = std::max(n[0], 1);
  wrapPending_ = false;
  switch (finalByte) {
    case 'H':
    case 'f':
      y_ = clampY(first - 1);
      x_ = clampX((n.size() > 1 ? std::max(n[1], 1) : 1) - 1);
      break;
    case 'A': y_ = clampY(y_ - first); break;
    case 'B': y_ = clampY(y_ + first); break;
    case 'C': x_ = clampX(x_ + first); break;
    case 'D': x_ = clampX(x_ - first); break;
    case 'J': eraseScreen(n[0]); break;
    case 'K': eraseLine(n[0]); break;
    default: break;  // colours and the like change no text
  }
}

size_t ScreenModel::applyEscape(std::string_view bytes, size_t at) {
  size_t i = at + 1;
  if (i >= bytes.size()) return i;
  if (bytes[i] != '[') return i + 1;  // a two-byte sequence such as ESC 7
  size_t start = ++i;
  while (i < bytes.size() && !(bytes[i] >= 0x40 && bytes[i] <= 0x7e)) ++i;
  if (i >= bytes.size()) return i;
  applyCsi(bytes.substr(start, i - start), bytes[i]);
  return i + 1;
}

std::string ScreenModel::row(int y) const {
  std::string text;
  for (const std::string& cell : cells_[static_cast<size_t>(y)]) text += cell;
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

std::string ScreenModel::dump() const {
  std::string text;
  for (int y = 0; y < kRows; ++y) text += row(y) + "\n";
  return text;
}

}  // namespace support
