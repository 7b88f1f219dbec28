#pragma once
// The title screen's rows for the lasting best scores, under the menu items
// in rows the classic title screen leaves empty: the best five for the time
// chosen (rows 12 to 17) and a notice about the records (row 20, and row 19
// for a long one).

#include <cstdint>
#include <string>

#include "records/store.h"

namespace game {

/// The heading and the best five for seconds per round, best first, each
/// with its date; the rows of missing places are blank.
void drawBestScores(const records::Store& store, uint16_t seconds);
/// Row 20: the notice (blank for none); one too long for a row takes row
/// 19 as well. Row 19 is left as it is otherwise, for the daily rows.
void drawRecordsNotice(const std::string& notice);

}  // namespace game
