#pragma once
// The request shown in place of the screens while the window is too small
// for them, laid out for that window.

#include <cstdint>
#include <string>
#include <string_view>

namespace console {

/// The request's words for a window of columns x rows.
std::string sizeRequest(uint16_t columns, uint16_t rows);

/// Text broken at its blanks into lines of at most columns characters,
/// parted by line feeds, for a window of columns x rows. Where even that
/// does not fit, as much of its start as fits: a word wider than the
/// window is cut at the window's edge and goes on in the next line, and
/// the lines stop at the window's last row.
std::string layOutForWindow(std::string_view text, uint16_t columns, uint16_t rows);

}  // namespace console
