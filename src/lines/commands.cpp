#include "lines/commands.h"

namespace lines {
namespace {

std::string_view trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

Command commandNamed(char letter) {
  switch (letter | 0x20) {  // either case
    case 'l': return Command::kLetters;
    case 's': return Command::kShuffle;
    case 't': return Command::kTime;
    case 'f': return Command::kFound;
    case 'e': return Command::kEnd;
    case 'r': return Command::kReview;
    case 'h': return Command::kHelp;
    case 'q': return Command::kQuit;
    default: return Command::kUnknown;
  }
}

}  // namespace

TypedLine parseTypedLine(std::string_view line) {
  TypedLine typed;
  const std::string_view text = trimmed(line);
  typed.text = text;
  const size_t blank = text.find(' ');
  if (blank != std::string_view::npos) typed.argument = trimmed(text.substr(blank));
  if (text.empty())
    typed.command = Command::kEmpty;
  else if (text[0] == '?')
    typed.command = Command::kHelp;
  else if (text[0] != '/')
    typed.command = Command::kWord;
  else
    typed.command = text.size() > 1 ? commandNamed(text[1]) : Command::kUnknown;
  return typed;
}

}  // namespace lines
