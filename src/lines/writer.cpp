#include "lines/writer.h"

#include <string>

#include "lines/plain_text.h"

namespace lines {

void Writer::say(std::string_view label, std::string_view detail) {
  std::string text;
  for (const std::string& line : labelledLines(label, detail)) text += line + "\n";
  terminal_.write(text);
}

void Writer::sayUnasked(std::string_view label, std::string_view detail) {
  if (terminal_.echoesTyping()) terminal_.write("\n");
  say(label, detail);
}

}  // namespace lines
