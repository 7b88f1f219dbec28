#include "game/menu.h"

// PLACEHOLDER: replaced by the real menu.
bool runMainMenu(WordGame&, uint32_t) { return false; }
