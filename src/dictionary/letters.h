#pragma once
// What a letter of a word is. In the classic game every byte is a letter,
// as it was on the single-byte code pages the game began on. Otherwise a
// letter is a character: one UTF-8 code point with the combining marks that
// follow it, so é, ü, ñ and ß are one letter each whatever their bytes. A
// byte that is no part of valid UTF-8 is a letter of its own, read as the
// Latin-1 character of that byte, so lists in Latin-1 play too.
//
// The rule holds for the whole run: the driver chooses it once, before the
// dictionary is loaded, and everything that splits, counts or shows a word
// asks it here.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dictionary {

enum class LetterRule {
  kBytes,       ///< every byte a letter: the classic game
  kCharacters,  ///< every character (with its combining marks) a letter
};

void setLetterRule(LetterRule rule);
LetterRule letterRule();

/// Sets a rule for as long as it lives, then puts back the one before.
class ScopedLetterRule {
 public:
  explicit ScopedLetterRule(LetterRule rule) : before_(letterRule()) { setLetterRule(rule); }
  ~ScopedLetterRule() { setLetterRule(before_); }
  ScopedLetterRule(const ScopedLetterRule&) = delete;
  ScopedLetterRule& operator=(const ScopedLetterRule&) = delete;

 private:
  LetterRule before_;
};

/// The most bytes a line may have and still be a word of characters: six
/// letters of four bytes, and room for combining marks.
constexpr size_t kLongestLetterLine = 48;

/// The word cut into its letters, each as its own bytes, in order.
std::vector<std::string_view> lettersOf(std::string_view word);
size_t letterCount(std::string_view word);

/// How many letters the line has when every one of them shows as one
/// column on a terminal and can be typed; 0 when some letter is wide (CJK),
/// unprintable, a blank (Space reshuffles a round's letters, so no key types
/// one), a combining mark with nothing to sit on, or a lone
/// byte from 0x80 to 0xBF (Latin-1's symbols and ª µ º), which in another
/// order of the letters could join the letter before it. So the letters of
/// a usable word, put in any order, split again into the same letters. Counting
/// stops past limit letters, giving limit + 1, so a long line costs little.
size_t printableLetterCount(std::string_view line, size_t limit = SIZE_MAX);

/// The first count letters of text (all of it when it has fewer).
std::string_view leadingLetters(std::string_view text, size_t count);

/// The bytes to write for word: with characters, a byte that is no part of
/// valid UTF-8 becomes the UTF-8 of its Latin-1 character, so that every
/// letter shows whole; with bytes, the word itself.
std::string shownText(std::string_view word);

/// True when some letter of word is a blank: a space, or with characters
/// any space separator (a byte that is no part of UTF-8 taken as its Latin-1
/// character). A round cannot use such a word: a blank shows as nothing, and
/// Space reshuffles the letters instead of typing one.
bool holdsBlank(std::string_view word);

/// True when both are the same letter: with characters, when they are
/// canonically equivalent (é as one character or as e and U+0301), a byte that is
/// no part of UTF-8 being its Latin-1 character, so a word list and a
/// keyboard may each use either form; with bytes, when they are the same
/// bytes.
bool sameLetter(std::string_view first, std::string_view second);

}  // namespace dictionary
