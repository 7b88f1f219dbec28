// Times what a round's start spends finding the words the round would
// accept: loads a word file as the program does, deals rounds as the game
// deals them (the same rounds on every run) and times each search.
//
//   round_words_bench FILE [ROUNDS]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "dictionary/loader.h"
#include "game_record/word_game.h"
#include "rules/round_words.h"
#include "rules/word_choice.h"

namespace {

constexpr int kDefaultRounds = 200;

// The load's messages are told to nobody: only its time counts here.
class Unheard : public dictionary::LoadObserver {
 public:
  void tell(std::string_view) override {}
  void endLine() override {}
  void showNow() override {}
};

bool loadQuietly(const std::string& file, game_record::WordGame& game) {
  Unheard unheard;
  return dictionary::loadDictionary(file, *game.dictionary, false, unheard);
}

double percentile(std::vector<double> sorted, double share) {
  return sorted[static_cast<size_t>(share * static_cast<double>(sorted.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: round_words_bench FILE [ROUNDS]\n");
    return 2;
  }
  game_record::WordGame game;
  if (!loadQuietly(argv[1], game)) return 1;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : kDefaultRounds;
  std::srand(1);
  std::vector<double> milliseconds;
  size_t words = 0;
  for (int round = 0; round < rounds; ++round) {
    rules::mangleWord(game, rules::chooseWord(*game.dictionary));
    const auto start = std::chrono::steady_clock::now();
    words += rules::findRoundWords(*game.dictionary, game.mangledWord).total();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    milliseconds.push_back(took.count());
  }
  std::sort(milliseconds.begin(), milliseconds.end());
  std::printf("rounds %d, words per round %.1f\n", rounds, static_cast<double>(words) / rounds);
  std::printf("ms per round: median %.2f, 90%% %.2f, max %.2f\n", percentile(milliseconds, 0.5),
              percentile(milliseconds, 0.9), milliseconds.back());
  return 0;
}
