#include "platform/windows/console_screen.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <vector>

#include "platform/windows/console_attributes.h"
#include "platform/windows/utf16_text.h"

namespace platform {
namespace {

// The character the console's output code page shows for a byte, as it
// would show that byte written on its own.
char16_t codePageCharacter(unsigned char byte) {
  static const std::array<char16_t, 256> table = [] {
    std::array<char16_t, 256> characters{};
    UINT codePage = GetConsoleOutputCP();
    for (int b = 0; b < 256; ++b) {
      char narrow = static_cast<char>(b);
      wchar_t wide = u'?';
      if (MultiByteToWideChar(codePage, 0, &narrow, 1, &wide, 1) != 1) wide = u'?';
      characters[static_cast<size_t>(b)] = static_cast<char16_t>(wide);
    }
    return characters;
  }();
  return table[byte];
}

void writeUtf16(HANDLE console, const std::u16string& text) {
  const auto* units = reinterpret_cast<const wchar_t*>(text.data());
  for (size_t done = 0; done < text.size();) {
    DWORD written = 0;
    auto chunk = static_cast<DWORD>(std::min<size_t>(text.size() - done, 1 << 14));
    if (!WriteConsoleW(console, units + done, chunk, &written, nullptr) || written == 0) return;
    done += written;
  }
}

// Our buffer is made exactly as large as the window, so no scroll bar
// shows beside the screen and the window's top left is the buffer's.
void fitBufferToWindow(HANDLE buffer, CONSOLE_SCREEN_BUFFER_INFO& info) {
  COORD window{static_cast<SHORT>(info.srWindow.Right - info.srWindow.Left + 1),
               static_cast<SHORT>(info.srWindow.Bottom - info.srWindow.Top + 1)};
  if (window.X == info.dwSize.X && window.Y == info.dwSize.Y) return;
  if (SetConsoleScreenBufferSize(buffer, window)) GetConsoleScreenBufferInfo(buffer, &info);
}

void blank(HANDLE buffer, const CONSOLE_SCREEN_BUFFER_INFO& info) {
  DWORD cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwSize.Y);
  DWORD done = 0;
  FillConsoleOutputCharacterW(buffer, L' ', cells, COORD{0, 0}, &done);
  FillConsoleOutputAttribute(buffer, info.wAttributes, cells, COORD{0, 0}, &done);
}

}  // namespace

void writeConsoleText(void* console, std::string_view bytes) {
  writeUtf16(console, toUtf16(bytes, codePageCharacter));
}

void ConsoleScreen::present(void* buffer, const ScreenGrid& grid, bool whole) {
  if (whole || !shownKnown_) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleScreenBufferInfo(buffer, &info)) return;
    fitBufferToWindow(buffer, info);
    blank(buffer, info);
    shown_ = ScreenGrid{};
  }
  // Neighbouring changed rows go out in one call.
  for (int y = 0; y < ScreenGrid::kRows;) {
    if (grid.sameRow(shown_, y)) {
      ++y;
      continue;
    }
    int runEnd = y + 1;
    while (runEnd < ScreenGrid::kRows && !grid.sameRow(shown_, runEnd)) ++runEnd;
    writeRows(buffer, grid, y, runEnd);
    y = runEnd;
  }
  shown_ = grid;
  shownKnown_ = true;
}

void ConsoleScreen::writeRows(void* buffer, const ScreenGrid& grid, int fromY, int toY) {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (!GetConsoleScreenBufferInfo(buffer, &info)) return;
  std::vector<CHAR_INFO> cells;
  for (int y = fromY; y < toY; ++y) {
    for (int x = 0; x < ScreenGrid::kColumns; ++x) {
      CHAR_INFO cell{};
      cell.Char.UnicodeChar = static_cast<WCHAR>(cellCharacter(grid.cell(x, y), codePageCharacter));
      cell.Attributes = consoleAttributeWord(info.wAttributes, grid.attributes(x, y));
      cells.push_back(cell);
    }
  }
  COORD size{static_cast<SHORT>(ScreenGrid::kColumns), static_cast<SHORT>(toY - fromY)};
  SMALL_RECT region{info.srWindow.Left, static_cast<SHORT>(info.srWindow.Top + fromY),
                    static_cast<SHORT>(info.srWindow.Left + ScreenGrid::kColumns - 1),
                    static_cast<SHORT>(info.srWindow.Top + toY - 1)};
  WriteConsoleOutputW(buffer, cells.data(), size, COORD{0, 0}, &region);
}

// Each line is written at its row without moving the cursor, so a line as
// wide as the window neither wraps nor scrolls the buffer.
void ConsoleScreen::message(void* buffer, std::string_view text) {
  shownKnown_ = false;
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (!GetConsoleScreenBufferInfo(buffer, &info)) return;
  fitBufferToWindow(buffer, info);
  blank(buffer, info);
  SetConsoleCursorPosition(buffer, COORD{0, 0});
  SHORT y = 0;
  for (size_t start = 0; start <= text.size(); ++y) {
    size_t end = std::min(text.find('\n', start), text.size());
    std::u16string line = toUtf16(text.substr(start, end - start), codePageCharacter);
    DWORD written = 0;
    WriteConsoleOutputCharacterW(buffer, reinterpret_cast<const WCHAR*>(line.data()),
                                 static_cast<DWORD>(line.size()), COORD{0, y}, &written);
    start = end + 1;
  }
}

}  // namespace platform
