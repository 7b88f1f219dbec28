// A round on accented letters, typed as the terminal sends them (UTF-8),
// with characters for letters as every game but the classic one has.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "dictionary/letters.h"
#include "game/round_fixture.h"

namespace game {

namespace game_test {
namespace {

constexpr const char* kBackspace = "\x7f";

class AccentedRoundTest : public RoundTest {
 protected:
  AccentedRoundTest() {
    console::setCharacterKeys(true);
    useWords({"étoffé", "été", "toffé", "Été"});
  }

  /// Row 7: the typed input, then the letters on show from column 73.
  std::string accentedInputRow(const std::string& input) {
    return input + repeat(' ', 73 - dictionary::letterCount(input)) + game.mangledWord;
  }

  dictionary::ScopedLetterRule characters{dictionary::LetterRule::kCharacters};
};

size_t usedFlags(const game_record::WordGame& game) {
  return static_cast<size_t>(std::count(game.letterUsed.begin(), game.letterUsed.end(), true));
}

TEST_F(AccentedRoundTest, AccentedWordsAreTypedCheckedAndListedByLetters) {
  playRoundsThenStop({"été\rtoffé\rétoffé\r"});
  EXPECT_EQ(game.score, 1u + 6u + 10u);
  EXPECT_EQ(terminal.row(13), "  été");
  EXPECT_EQ(terminal.row(17), "  toffé");
  EXPECT_EQ(terminal.row(19), "  étoffé");
  EXPECT_EQ(dictionary::letterCount(game.mangledWord), 6u);
}

TEST_F(AccentedRoundTest, EachKeyTakesOneLetterAndBackspaceGivesOneBack) {
  playRoundsThenStop({std::string("étéé") + kBackspace});
  EXPECT_EQ(terminal.row(7), accentedInputRow("ét"));
  EXPECT_EQ(usedFlags(game), 2u);
}

// É is a letter of its own: it types no é, and no É is on show.
TEST_F(AccentedRoundTest, CapitalsMatchOnlyCapitals) {
  playRoundsThenStop({"ÉtÉ\r"});
  EXPECT_EQ(game.score, 0u);
  EXPECT_EQ(terminal.row(13), "");
}

// A round's word from a Latin-1 list: its bytes are no UTF-8, yet its
// letters show whole and are typed as the characters they are.
TEST_F(AccentedRoundTest, Latin1LettersShowAndTypeAsTheirCharacters) {
  useWords({"\xE9tages", "\xE9ta"});
  playRoundsThenStop({"éta\r"});
  EXPECT_EQ(game.score, 1u);
  EXPECT_EQ(terminal.row(13), "  éta");
  EXPECT_EQ(terminal.row(7).substr(73), dictionary::shownText(game.mangledWord));
}

}  // namespace
}  // namespace game_test

}  // namespace game
