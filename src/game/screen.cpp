#include "game/screen.h"

// PLACEHOLDER: replaced by the real drawing routines.
uint16_t centringColumn(size_t) { return 0; }
void drawTopBanner(const std::string&) {}
void drawBottomBanner(const std::string&) {}
void drawScoreLine(const WordGame&) {}
void drawTitleScreen(const WordGame&, uint32_t) {}
void drawInputPanel(const WordGame&, const std::string&) {}
void drawFoundWords(const WordGame&) {}
void appendNumber(std::string&, int32_t) {}
void appendNumber(std::string&, uint32_t) {}
