#pragma once
// The title screen's rows for the lasting best scores, under the menu items
// in rows the classic title screen leaves empty: the best five for the time
// chosen (rows 12 to 17) and a notice about the records (row 20, and row 19
// for a long one).

#include <cstdint>
#include <string>

#include "game/records_store.h"

/// The heading and the best five for seconds per round, best first, each
/// with its date; the rows of missing places are blank.
void drawBestScores(const records::Store& store, uint16_t seconds);
/// Rows 19 and 20: the notice, in row 20 alone where it fits; blank rows
/// for none.
void drawRecordsNotice(const std::string& notice);
