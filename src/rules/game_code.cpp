#include "rules/game_code.h"

#include <cctype>

#include "rules/random_draws.h"

namespace rules {

namespace {

constexpr uint32_t kBitsPerCharacter = 5;
constexpr uint32_t kCharacterMask = (1U << kBitsPerCharacter) - 1;
// In place of a round's number, so a date's code is no round's seed.
constexpr uint32_t kDailySalt = 0x0da11;

// A hash of text that is the same on every platform: the rounds' seed
// function, with salt in the place of a round's number.
uint32_t hashOf(const std::string& text, uint32_t salt) { return roundSeed(text, salt, DrawStream::kWord); }

}  // namespace

std::optional<std::string> parseGameCode(std::string_view typed) {
  if (typed.size() != kGameCodeLength) return std::nullopt;
  std::string code;
  for (const char c : typed) {
    const auto upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (kGameCodeAlphabet.find(upper) == std::string_view::npos) return std::nullopt;
    code += upper;
  }
  return code;
}

std::string gameCodeOf(uint32_t number) {
  std::string code;
  for (size_t i = 0; i < kGameCodeLength; ++i) {
    code += kGameCodeAlphabet[number & kCharacterMask];
    number >>= kBitsPerCharacter;
  }
  return code;
}

// The clock alone would give two games started in the same second the same
// code: the clock's finest ticks, the system's random source and a count of
// the codes made in this run are mixed in.
std::string newGameCode(uint64_t freshness) {
  static uint32_t madeInThisRun = 0;
  std::string material = std::to_string(freshness);
  material += ' ';
  material += std::to_string(++madeInThisRun);
  return gameCodeOf(hashOf(material, 0));
}

std::string dailyGameCode(const std::string& date) { return gameCodeOf(hashOf(date, kDailySalt)); }

}  // namespace rules
