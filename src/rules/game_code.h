#pragma once
// Game codes: six characters that name the words of a game, so that anyone
// with the same word list can play them again. They are read aloud and
// typed, so the alphabet leaves out the letters that look like digits or
// like each other (I, L, O, U), and they are read in either case.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rules {

constexpr size_t kGameCodeLength = 6;
/// 32 characters: five bits each, 30 bits a code.
constexpr std::string_view kGameCodeAlphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";

/// The code typed, in capitals; nothing when it is not kGameCodeLength
/// characters of the alphabet (in either case).
std::optional<std::string> parseGameCode(std::string_view typed);

/// The code of the low 30 bits of number.
std::string gameCodeOf(uint32_t number);

/// A code for a new game, hashed from freshness (a number nobody is likely
/// to have had, which the caller reads from the system) and a count of the
/// codes made in this run, so two codes of one run differ even from the
/// same number.
std::string newGameCode(uint64_t freshness);

/// The code of the daily game of date (YYYY-MM-DD): the same for everyone.
std::string dailyGameCode(const std::string& date);

}  // namespace rules
