#pragma once
// Where the word choice and the shuffle take their random numbers from. The
// classic game draws from std::rand, seeded once per run. A game with a
// code draws from std::mt19937, whose sequence the C++ standard fixes, so a
// code gives the same numbers with every compiler and C library. Both hand
// out raw values, which the callers reduce by modulo themselves: a <random>
// distribution would give different numbers in different standard libraries.

#include <cstdint>
#include <optional>
#include <random>
#include <string>

namespace rules {

class RandomDraws {
 public:
  /// Draws from std::rand, which the driver seeds.
  RandomDraws() = default;
  /// Draws from a std::mt19937 seeded with seed.
  explicit RandomDraws(uint32_t seed) : engine_(std::in_place, seed) {}

  /// The next raw value: 0 to RAND_MAX from std::rand, any 32-bit value
  /// from the std::mt19937.
  uint32_t next();

 private:
  std::optional<std::mt19937> engine_;
};

/// The streams of numbers a round of a game with a code draws from: one for
/// the round's word and its first shuffle, one for the reshuffles on Space,
/// so the words never depend on how often the player reshuffled.
enum class DrawStream : uint32_t { kWord = 0, kReshuffle = 1 };

/// The seed of one stream of round (counted from 1) of the game with code.
uint32_t roundSeed(const std::string& code, uint32_t round, DrawStream stream);

/// The draws of one stream of round (counted from 1) of the game with code;
/// with an empty code, std::rand's.
RandomDraws roundDraws(const std::string& code, uint32_t round, DrawStream stream);

}  // namespace rules
