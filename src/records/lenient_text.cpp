#include "records/lenient_text.h"

#include <charconv>

namespace records {
namespace {

constexpr std::string_view kBlanks = " \t";

}  // namespace

std::vector<std::string_view> textLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.find_first_not_of(kBlanks) != std::string_view::npos) lines.push_back(line);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return lines;
}

std::string_view takeField(std::string_view& line) {
  const size_t end = line.find(' ');
  const std::string_view field = line.substr(0, end);
  line.remove_prefix(end == std::string_view::npos ? line.size() : end + 1);
  return field;
}

std::optional<uint32_t> numberOf(std::string_view field) {
  uint32_t value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc() || field.empty() || end != field.data() + field.size()) return std::nullopt;
  return value;
}

}  // namespace records
