#pragma once
// The fixed layout of the title and round screens: the framed banners at the
// top (rows 0 to 4) and bottom (rows 21 to 23), the score lines, the input
// panel and the found-words panel, at the rows that game/screen_layout.h,
// round_layout.h and title_layout.h name. Each routine writes at fixed positions,
// leaves the cursor where its last write ended, and only reads the game.

#include <cstdint>
#include <string>
#include <vector>

#include "console/console.h"
#include "game_record/word_game.h"

namespace game {

/// The column at which a text of length bytes starts when centred on an
/// 80-column row: (79 - length) / 2, and 0 for texts too long to centre.
uint16_t centringColumn(size_t length);

/// Rows 0 to 4: a frame with text centred on row 2, the text (not the
/// frame) in colour.
void drawTopBanner(const std::string& text, console::Colour colour = {});
/// Row y (1 or 3) of the top banner: text centred between the frame's sides.
void drawTopBannerRow(uint16_t y, const std::string& text);
/// Rows 21 to 23: a frame with text centred on row 22, the text in colour;
/// row 23 gets no line end, so a 24-row screen never scrolls.
void drawBottomBanner(const std::string& text, console::Colour colour = {});
/// The time left's colour: a warning in the round's last ten seconds.
console::Colour timeLeftColour(uint32_t secondsLeft);
/// Row 6: "Your Score: " and the score, centred.
void drawScoreLine(const game_record::WordGame& game);
/// The title screen's banner, score line and high-score line (row 5).
void drawTitleScreen(const game_record::WordGame& game, uint32_t highScore);
/// Rows 6 to 8: the typed input (as given) and the letters on show, each
/// in its colour (the input's trailing blanks in none).
void drawInputPanel(const game_record::WordGame& game, const std::string& input);
/// Rows 10 to 19: the words found this round by length, then the score line.
void drawFoundWords(const game_record::WordGame& game);

/// Blanks columns 0 to 78 of row y, then writes text from column x in
/// colour. For the rows the classic screens leave empty, which hold texts
/// of changing length.
void drawBlankedRow(uint16_t y, uint16_t x, const std::string& text, console::Colour colour = {});
/// As drawBlankedRow, with the text centred.
void drawCentredRow(uint16_t y, const std::string& text, console::Colour colour = {});

/// A part of a row's text with its own colour.
struct Piece {
  std::string text;
  console::Colour colour = {};
};
/// As drawCentredRow for the pieces' texts one after the other, each in its
/// colour. With colour off it writes what drawCentredRow writes for the
/// whole text.
void drawCentredPieces(uint16_t y, const std::vector<Piece>& pieces);

/// Appends one blank and n in decimal to text.
void appendNumber(std::string& text, int32_t n);
void appendNumber(std::string& text, uint32_t n);

}  // namespace game
