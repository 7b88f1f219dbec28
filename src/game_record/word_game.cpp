#include "game_record/word_game.h"

namespace game_record {

WordGame::WordGame()
    : dictionary(std::make_unique<containers::WordTable>()),
      foundWords(std::make_unique<containers::BST<std::string>[]>(kFoundWordTrees)) {
  for (size_t i = 0; i < kFoundWordTrees; ++i) foundWords[i].clear();
}

WordGame::~WordGame() {
  dictionary.reset();
  foundWords.reset();
}

}  // namespace game_record
