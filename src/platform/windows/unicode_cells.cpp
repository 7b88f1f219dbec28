#include "platform/windows/unicode_cells.h"

namespace platform {
namespace {

constexpr unsigned kDoubleByteCodePages[] = {932, 936, 949, 950};

}  // namespace

UnicodeCells windowsUnicodeCells(bool outputIsConsole, unsigned consoleCodePage) {
  if (!outputIsConsole) return UnicodeCells::kShown;
  for (unsigned doubleByte : kDoubleByteCodePages) {
    if (consoleCodePage == doubleByte) return UnicodeCells::kNotShown;
  }
  return UnicodeCells::kShown;
}

}  // namespace platform
