#pragma once
// What a typed line asks for. A line starting with '/' or '?' is a
// command, which no word can be; its first letter after the slash is
// enough (/s, /shuffle and /Sh all shuffle). Any other line is a word to
// check, or in the menu a choice's number. Blanks around a line count for
// nothing.

#include <string>
#include <string_view>

namespace lines {

enum class Command {
  kWord,     ///< not a command: a word, or a menu choice
  kEmpty,    ///< an empty line: the letters again, or go on
  kLetters,  ///< /letters
  kShuffle,  ///< /shuffle
  kTime,     ///< /time
  kFound,    ///< /found: the words found so far
  kEnd,      ///< /end: ends the round now
  kReview,   ///< /review: the round's missed words with their meanings
  kHelp,     ///< ? or /help
  kQuit,     ///< /quit
  kUnknown,  ///< a slash and something else
};

struct TypedLine {
  Command command = Command::kEmpty;
  std::string text;      ///< the line without the blanks around it
  std::string argument;  ///< after the first blank (a menu choice's value)
};

TypedLine parseTypedLine(std::string_view line);

}  // namespace lines
