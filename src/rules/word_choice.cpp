#include "rules/word_choice.h"

#include <cassert>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "dictionary/letters.h"

namespace rules {

namespace {

using Bucket = containers::SLList<containers::ShortWord>;

const containers::ShortWord& wordAt(const Bucket& bucket, uint32_t position) {
  const containers::Node<containers::ShortWord>* node = bucket.head;
  for (uint32_t step = 0; step < position; ++step) node = node->next;
  return node->element;
}

}  // namespace

std::string chooseWord(const containers::WordTable& dictionary, RandomDraws& draws) {
  for (;;) {
    const Bucket& bucket = dictionary.buckets[draws.next() % static_cast<uint32_t>(containers::kBucketCount)];
    // The position is drawn even for an empty bucket, so every attempt takes
    // exactly two values and the sequence of draws does not depend on where
    // the empty buckets are.
    const uint32_t positionDraw = draws.next();
    if (bucket.count == 0) continue;
    const containers::ShortWord& candidate = wordAt(bucket, positionDraw % bucket.count);
    if (dictionary::letterCount(candidate.view()) == game_record::kLongestWord &&
        !dictionary::holdsBlank(candidate.view()))
      return candidate;
  }
}

// The source is a copy because on a reshuffle the caller passes
// game.mangledWord itself, which is emptied before any letter is read.
// Letters, not bytes, are shuffled, so each letter stays whole. The
// letters are views of the word, which is the source moved here, so they
// outlive the emptying of game.mangledWord.
void mangleWord(game_record::WordGame& game, std::string source, RandomDraws& draws) {
  const std::string word = std::move(source);
  const std::vector<std::string_view> letters = dictionary::lettersOf(word);
  assert(letters.size() == game_record::kLongestWord);
  game.mangledWord.clear();
  game.letterUsed.fill(false);
  // The flags mark the source positions already taken; a draw that hits a
  // taken position is thrown away and drawn again.
  for (uint8_t taken = 0; taken < letters.size();) {
    const size_t position = draws.next() % game_record::kLongestWord;
    if (game.letterUsed[position]) continue;
    game.mangledWord += letters[position];
    game.letterUsed[position] = true;
    ++taken;
  }
  game.letterUsed.fill(false);
}

std::string chooseWord(const containers::WordTable& dictionary) {
  RandomDraws classic;
  return chooseWord(dictionary, classic);
}

void mangleWord(game_record::WordGame& game, std::string source) {
  RandomDraws classic;
  mangleWord(game, std::move(source), classic);
}

}  // namespace rules
