#pragma once
// A line face played at its seam: a scripted line terminal with a virtual
// clock, a small dictionary with one six-letter word, and no stores unless a
// test gives them. Every test's transcript goes through the checker.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dictionary/letters.h"
#include "game_record/word_game.h"
#include "lines/session.h"
#include "support/fake_line_terminal.h"
#include "support/transcript_checker.h"

namespace lines {

class LineFaceTest : public ::testing::Test {
 protected:
  LineFaceTest() {
    for (const char* word : {"planet", "plane", "plate", "plan", "leap", "ant", "tan", "lap", "pat"}) {
      const containers::ShortWord shortWord(word);
      game.dictionary->buckets[static_cast<size_t>(containers::hashWord(shortWord))].insert(shortWord);
    }
    game.timeToPlay = 60;
  }
  void TearDown() override {
    for (const std::string& problem : support::transcriptProblems(terminal.transcript()))
      ADD_FAILURE() << problem;
  }
  /// The lines written, without the typed ones.
  std::vector<std::string> written() const {
    std::vector<std::string> lines;
    for (const support::TranscriptLine& line : terminal.transcript()) {
      if (!line.typed) lines.push_back(line.text);
    }
    return lines;
  }
  bool wrote(const std::string& line) const {
    for (const std::string& text : written()) {
      if (text == line) return true;
    }
    return false;
  }

  dictionary::ScopedLetterRule characters{dictionary::LetterRule::kCharacters};
  game_record::WordGame game;
  support::FakeLineTerminal terminal;
  Session session{terminal, game};
};

}  // namespace lines
