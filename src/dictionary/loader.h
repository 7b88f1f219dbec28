#pragma once
// Reads the word file into the game's dictionary table, writing the loading
// progress and totals, or the reason it could not.

#include <cstddef>
#include <string>

#include "game_record/word_game.h"

/// The file is read in chunks of this many bytes: enough that reading
/// costs a few system calls per megabyte, little enough to be a small fixed
/// cost whatever the file holds.
constexpr size_t kLoaderChunkBytes = size_t{64} * 1024;

/// Loads every usable word of fileName (3 to 6 bytes, no apostrophe, no
/// control byte) into game.dictionary. Returns false after writing its own
/// error line when the file cannot be opened or read.
bool loadDictionary(const std::string& fileName, WordGame& game, bool verbose);
