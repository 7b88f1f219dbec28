#pragma once
// The best scores kept from one run to the next: for each time per round,
// the five best games with their dates, best first. A score ties below the
// equal scores that were there before it, so the first to reach a score
// keeps the higher place. The table lives in a small text file: a header
// line, then one line per score, "SECONDS SCORE YYYY-MM-DD".

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace records {

constexpr size_t kKeptPerTime = 5;

struct Entry {
  uint32_t score = 0;
  std::string date;  ///< YYYY-MM-DD

  bool operator==(const Entry&) const = default;
};

class Table {
 public:
  /// Adds a game's score for its seconds per round and returns the place it
  /// took (1 is the best), or 0 when it is not among the best five. A score
  /// of 0 never enters.
  int add(uint16_t seconds, const Entry& entry);
  /// Best first; empty for a time nobody has played.
  const std::vector<Entry>& best(uint16_t seconds) const;
  /// The file's text.
  std::string text() const;

  bool operator==(const Table&) const = default;

 private:
  std::map<uint16_t, std::vector<Entry>> lists_;
};

/// The first line of a records file.
constexpr std::string_view kHeader = "Quillop records 1";

/// Adds one line "SECONDS SCORE YYYY-MM-DD" to table; false when the line
/// makes no sense, the date one the calendar does not have included (and
/// table is as it was).
bool addLine(Table& table, std::string_view line);

/// The table a file's text holds, read leniently (see lenient_text.h): a line
/// that makes no sense is skipped and counted in skipped. Nothing when the
/// first line is not the header.
std::optional<Table> parseTable(std::string_view text, size_t* skipped = nullptr);

}  // namespace records
