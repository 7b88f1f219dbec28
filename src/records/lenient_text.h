#pragma once
// How every file of the player's state folder is read, leniently, since a
// player may edit one by hand on any system: the lines of a text, the
// blank-separated fields of a line, and the numbers in a field.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace records {

/// The lines of a text: "\n" or "\r\n" ends a line, the last line may lack
/// its end, and blank lines (nothing but spaces and tabs, or a lone "\r")
/// are left out.
std::vector<std::string_view> textLines(std::string_view text);

/// The next field of line, up to a blank or the end; the field and the one
/// blank after it are consumed.
std::string_view takeField(std::string_view& line);

/// A whole decimal number and nothing else: no sign, no blank, no overflow.
std::optional<uint32_t> numberOf(std::string_view field);

}  // namespace records
