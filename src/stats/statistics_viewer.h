#pragma once
// The paged full-screen view of how the dictionary's words spread over the
// hash table's buckets.

#include <cstdint>
#include <string>

#include "containers/hash_table.h"

namespace stats {

/// Shows the view of the dictionary's table until the player presses q or Q
/// (as its footer asks), or, with escapeLeaves, Escape. Throws
/// console::InputEnded when the key input ends first.
void showBucketStatistics(const containers::WordTable& dictionary, bool escapeLeaves = false);

/// Draws the rule on row 22 and the key help with the share of empty buckets
/// on row 23, leaving row 23 without a line end.
void drawStatisticsFooter(uint32_t emptyBuckets);

/// Writes the 40 cells of a bar at the cursor; ratio runs from 0 to 1.
void drawBucketBar(float ratio);
void drawBucketBar(float ratio, const std::string& filledCell);

/// What a filled bar cell shows: "■" in UTF-8 where the screen takes Unicode
/// (a Windows console) or the locale (LC_ALL, else LC_CTYPE, else LANG)
/// names UTF-8, else '#'. Either is one screen column.
std::string filledBarCell();

}  // namespace stats
