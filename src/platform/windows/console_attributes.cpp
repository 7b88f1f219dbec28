#include "platform/windows/console_attributes.h"

#include <utility>

namespace console {
namespace {

// The attribute word's bits, as the console's own header names them
// (FOREGROUND_BLUE and on), spelt out here so that this file needs no
// system header and builds on every system.
constexpr uint16_t kForegroundBits = 0x000F;
constexpr uint16_t kBackgroundBits = 0x00F0;
constexpr uint16_t kForegroundIntensity = 0x0008;
constexpr int kBackgroundShift = 4;
// The console's colour for the palette's first eight (black, red, green,
// yellow, blue, magenta, cyan, white): its bits are blue 1, green 2, red 4.
constexpr uint16_t kConsoleColours[] = {0, 4, 2, 6, 1, 5, 3, 7};
constexpr int kPlainColours = 8;

uint16_t consoleColour(Palette colour) {
  const int index = static_cast<int>(colour) - 1;
  const uint16_t base = kConsoleColours[index % kPlainColours];
  return index < kPlainColours ? base : static_cast<uint16_t>(base | kForegroundIntensity);
}

}  // namespace

uint16_t consoleAttributeWord(uint16_t plain, CellAttributes attributes) {
  uint16_t foreground = plain & kForegroundBits;
  uint16_t background = static_cast<uint16_t>((plain & kBackgroundBits) >> kBackgroundShift);
  if (attributes.colour != Palette::kDefault) foreground = consoleColour(attributes.colour);
  if (attributes.bold) foreground |= kForegroundIntensity;
  if (attributes.reverse) std::swap(foreground, background);
  return static_cast<uint16_t>((plain & ~(kForegroundBits | kBackgroundBits)) | foreground |
                               (background << kBackgroundShift));
}

}  // namespace console
