#pragma once
// The paged full-screen view of how the dictionary's words spread over the
// hash table's buckets.

#include <cstdint>
#include <string>

#include "console/theme.h"
#include "game_record/word_game.h"

/// Shows the view until the player presses q or Q (as its footer asks), or,
/// with escapeLeaves, Escape. Only reads the dictionary. Throws
/// console::InputEnded when the key input ends first.
void showBucketStatistics(const WordGame& game, bool escapeLeaves = false);

/// Draws the rule on row 22 and the key help with the share of empty buckets
/// on row 23, leaving row 23 without a line end.
void drawStatisticsFooter(uint32_t emptyBuckets);

/// Writes the 40 cells of a bar at the cursor; ratio runs from 0 to 1. Its
/// filled cells are in the theme's colour for how full the bucket is (the
/// bar's length says the same), when colour is on.
void drawBucketBar(float ratio);
void drawBucketBar(float ratio, const std::string& filledCell);

/// What a filled bar cell shows: "■" in UTF-8 where the screen takes Unicode
/// (a Windows console) or the locale (LC_ALL, else LC_CTYPE, else LANG)
/// names UTF-8, else '#'. Either is one screen column.
std::string filledBarCell();

/// The theme's role for a bar of this ratio: low up to a third, middling up
/// to two thirds, high above.
console::Role barRole(float ratio);
