#pragma once
// Which lines of a word file become dictionary words, decided eight bytes
// at a time: the loader asks this of every line, so the decision takes the
// same few steps whatever the bytes are, with no branch per byte.

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "containers/short_word.h"
#include "dictionary/eight_bytes.h"

namespace dictionary {

constexpr size_t kShortestUsable = 3;
constexpr size_t kLongestUsable = containers::ShortWord::kCapacity;

/// 3 to 6 letters, no apostrophe and no control byte (0 to 31, 127); digits
/// and capitals are kept as they are. Control bytes are refused so a word
/// file cannot send terminal control sequences to the screen. Letters are
/// counted by the letter rule (dictionary/letters.h); with characters, every
/// letter must also show as one column and be one a key types, so no blank
/// (Space reshuffles a round), while the classic game keeps blanks as they are.
bool isUsableWord(std::string_view word);

/// The usable-word test with characters for letters, for a word that holds
/// a byte of 128 or more; the loader's slow path, as such words are few.
bool isUsableLetterWord(std::string_view word);

/// True when one of the first length (at most 7) bytes from line is 128 or
/// more; the 8 bytes from line must be readable.
inline bool holdsHighByte(const char* line, size_t length) {
  return (loadEightBytes(line) & leadingLanes(length) & kFlagOfEveryLane) != 0;
}

/// As holdsHighByte, for a line of any length; the bytes from line up to
/// the next multiple of 8 past its end must be readable.
inline bool holdsHighByteAnywhere(const char* line, size_t length) {
  uint64_t flags = 0;
  size_t at = 0;
  for (; at + kLanes <= length; at += kLanes) flags |= loadEightBytes(line + at);
  if (at < length) flags |= loadEightBytes(line + at) & leadingLanes(length - at);
  return (flags & kFlagOfEveryLane) != 0;
}

/// What a line gives: when usable, a word of `length` bytes, which are the
/// lowest lanes of `lanes` (the lanes above are zero).
struct LineWord {
  uint64_t lanes = 0;
  size_t length = 0;
  bool usable = false;
};

/// What a line of 3 to 7 bytes gives: the line without the carriage return
/// of a CR LF line end (so files written with either convention give the
/// same words), when that is a usable word; with blanksRefused (characters
/// for letters), a line with a space is none. The 8 bytes from `line` must be
/// readable.
inline LineWord readLineWord(const char* line, size_t length, bool blanksRefused = false);

namespace detail {

constexpr unsigned char kFirstPrintable = 32;
constexpr unsigned char kApostrophe = '\'';
constexpr unsigned char kSpace = ' ';
constexpr unsigned char kDelete = 127;
constexpr unsigned char kCarriageReturn = '\r';
// Put in the lanes past a word's end, so that only the word's own bytes
// can be refused.
constexpr unsigned char kHarmlessByte = 'a';

/// bytes: a candidate in its lowest `length` lanes, anything above; length at
/// most 7. A space is refused by a mask rather than a branch, as the loader's
/// loop has none.
inline bool isUsableCandidate(uint64_t bytes, size_t length, bool blanksRefused = false) {
  const uint64_t kept = leadingLanes(length);
  const uint64_t probe = (bytes & kept) | (inEveryLane(kHarmlessByte) & ~kept);
  const uint64_t blankMask = uint64_t{0} - static_cast<uint64_t>(blanksRefused);
  const uint64_t refused = lanesBelow(probe, kFirstPrintable) | lanesEqualTo(probe, kApostrophe) |
                           lanesEqualTo(probe, kDelete) | (lanesEqualTo(probe, kSpace) & blankMask);
  return (refused == 0) & (length - kShortestUsable <= kLongestUsable - kShortestUsable);
}

}  // namespace detail

// Inline, being the loader's innermost step.
inline LineWord readLineWord(const char* line, size_t length, bool blanksRefused) {
  assert(length >= kShortestUsable && length <= kLongestUsable + 1);
  const uint64_t bytes = loadEightBytes(line);
  const bool carriageReturnLast = ((bytes >> (8 * (length - 1))) & 0xFF) == detail::kCarriageReturn;
  const size_t wordLength = length - carriageReturnLast;
  return {bytes & leadingLanes(wordLength), wordLength,
          detail::isUsableCandidate(bytes, wordLength, blanksRefused)};
}

}  // namespace dictionary
