#include "rules/round_end.h"

namespace rules {

std::array<std::vector<ReviewWord>, game_record::kFoundWordTrees> reviewWords(
    const game_record::WordGame& game, const RoundWords& words) {
  std::array<std::vector<ReviewWord>, game_record::kFoundWordTrees> review;
  for (size_t tree = 0; tree < game_record::kFoundWordTrees; ++tree) {
    for (const std::string& word : words.byLength[tree]) review[tree].push_back({word, wasFound(game, word)});
  }
  return review;
}

}  // namespace rules
