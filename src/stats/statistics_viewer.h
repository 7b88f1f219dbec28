#pragma once
// The paged full-screen view of how the dictionary's words spread over the
// hash table's buckets.

#include <cstdint>

#include "driver/word_game.h"

/// Shows the view until the player presses q. Only reads the dictionary.
void showBucketStatistics(const WordGame& game);

/// Draws the rule on row 22 and the key help with the share of empty buckets
/// on row 23.
void drawStatisticsFooter(uint32_t emptyBuckets);

/// Writes the 40 cells of a bar at the cursor; ratio runs from 0 to 1.
void drawBucketBar(float ratio);
