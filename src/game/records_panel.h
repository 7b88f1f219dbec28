#pragma once
// The title screen's rows for the lasting best scores, under the menu items
// in rows the classic title screen leaves empty (game/title_layout.h): the
// best five for the time chosen and a notice about the records.

#include <cstdint>
#include <string>

#include "records/store.h"

namespace game {

/// The heading and the best five for seconds per round, best first, each
/// with its date; the rows of missing places are blank.
void drawBestScores(const records::Store& store, uint16_t seconds);
/// The notice row (blank for none); a notice too long for a row takes the
/// long notice's row as well, which is left as it is otherwise.
void drawRecordsNotice(const std::string& notice);

}  // namespace game
