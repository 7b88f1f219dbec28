#include "lines/round_texts.h"

namespace lines {
namespace {

constexpr uint32_t kMinute = 60;

// Latin-1's small letters à to þ (but ÷) have their capitals 0x20 below.
std::string capitalOf(const std::string& letter) {
  if (letter.size() == 1 && letter[0] >= 'a' && letter[0] <= 'z')
    return std::string(1, static_cast<char>(letter[0] - 0x20));
  if (letter.size() >= 2 && static_cast<unsigned char>(letter[0]) == 0xC3) {
    const auto second = static_cast<unsigned char>(letter[1]);
    if (second >= 0xA0 && second <= 0xBE && second != 0xB7) {
      std::string capital = letter;
      capital[1] = static_cast<char>(second - 0x20);
      return capital;
    }
  }
  return letter;
}

}  // namespace

std::string countOf(size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string spokenLetters(const std::vector<std::string>& letters) {
  std::string spoken;
  for (const std::string& letter : letters) {
    if (!spoken.empty()) spoken += ' ';
    spoken += capitalOf(letter);
  }
  return spoken;
}

std::string timeLeftText(uint32_t secondsLeft) {
  if (secondsLeft == 0) return "up.";
  const uint32_t minutes = secondsLeft / kMinute;
  const uint32_t seconds = secondsLeft % kMinute;
  std::string text;
  if (minutes > 0) text = countOf(minutes, "minute", "minutes");
  if (seconds > 0) {
    if (!text.empty()) text += ' ';
    text += countOf(seconds, "second", "seconds");
  }
  return text + " left.";
}

std::string roundTimeText(uint32_t seconds) {
  if (seconds == 0) return "no limit";
  if (seconds % kMinute == 0 && seconds > kMinute) return countOf(seconds / kMinute, "minute", "minutes");
  return countOf(seconds, "second", "seconds");
}

std::string stillToFindText(const std::array<rules::WordCount, game_record::kFoundWordTrees>& counts) {
  std::string text;
  for (size_t i = 0; i < counts.size(); ++i) {
    const size_t left = counts[i].there - std::min(counts[i].found, counts[i].there);
    if (left == 0) continue;
    // "letters" said once, after the first length
    const bool first = text.empty();
    text +=
        (first ? "" : ", ") + std::to_string(left) + " of " + std::to_string(i + game_record::kShortestWord);
    if (first) text += " letters";
  }
  return text.empty() ? "none left to find." : text + " to find.";
}

ResultLine resultLine(const rules::Submission& submission, uint32_t score) {
  const std::string& word = submission.word;
  switch (submission.verdict) {
    case rules::Verdict::kAccepted: {
      std::string detail = word + ", " + countOf(submission.points, "point", "points") + ", score " +
                           std::to_string(score) + ".";
      if (submission.sixLetters) detail += " Round passed.";
      return {"Yes", detail};
    }
    case rules::Verdict::kTooShort: return {"No", word + " is too short: words have 3 to 6 letters."};
    case rules::Verdict::kNotFromLetters: return {"No", word + " is not from these letters."};
    case rules::Verdict::kNotInDictionary: return {"No", word + " is not in the dictionary."};
    case rules::Verdict::kFoundBefore: return {"No", word + " was found already."};
  }
  return {"No", word + "."};
}

}  // namespace lines
