#include "game/word_choice.h"

#include <cassert>
#include <cstdint>
#include <cstdlib>

namespace {

using Bucket = containers::SLList<containers::ShortWord>;

const containers::ShortWord& wordAt(const Bucket& bucket, uint32_t position) {
  const containers::Node<containers::ShortWord>* node = bucket.head;
  for (uint32_t step = 0; step < position; ++step) node = node->next;
  return node->element;
}

}  // namespace

std::string chooseWord(const containers::WordTable& dictionary) {
  for (;;) {
    const Bucket& bucket = dictionary.buckets[static_cast<size_t>(std::rand() % containers::kBucketCount)];
    // The position is drawn even for an empty bucket, so every attempt takes
    // exactly two values and the sequence of draws does not depend on where
    // the empty buckets are.
    auto positionDraw = static_cast<uint32_t>(std::rand());
    if (bucket.count == 0) continue;
    const containers::ShortWord& candidate = wordAt(bucket, positionDraw % bucket.count);
    if (candidate.size() == kLongestWord) return candidate;
  }
}

// The source is a copy because on a reshuffle the caller passes
// game.mangledWord itself, which is emptied before any letter is read.
void mangleWord(WordGame& game, std::string source) {
  assert(source.size() == kLongestWord);
  game.mangledWord.clear();
  game.letterUsed.fill(false);
  // The flags mark the source positions already taken; a draw that hits a
  // taken position is thrown away and drawn again.
  for (uint8_t taken = 0; taken < source.size();) {
    auto position = static_cast<size_t>(std::rand() % static_cast<int>(kLongestWord));
    if (game.letterUsed[position]) continue;
    game.mangledWord += source[position];
    game.letterUsed[position] = true;
    ++taken;
  }
  game.letterUsed.fill(false);
}
