#pragma once
// Reads the word file into the game's dictionary table, writing the loading
// progress and totals, or the reason it could not.

#include <string>

#include "containers/word_game.h"

/// Loads every usable word of fileName (3 to 6 bytes, no apostrophe, no
/// control byte) into game.dictionary. Returns false after writing its own
/// error line when the file cannot be opened or read.
bool loadDictionary(const std::string& fileName, WordGame& game, bool verbose);
