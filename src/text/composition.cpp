#include "text/composition.h"

#include <algorithm>
#include <vector>

#include "text/character_classes.h"
#include "text/unicode_tables.h"
#include "text/utf8.h"

namespace text {
namespace {

using CodePoints = std::vector<char32_t>;

// Hangul syllables decompose and compose by arithmetic, not by table.
constexpr char32_t kSyllableBase = 0xAC00;
constexpr char32_t kLeadBase = 0x1100;
constexpr char32_t kVowelBase = 0x1161;
constexpr char32_t kTrailBase = 0x11A7;
constexpr char32_t kVowelCount = 21;
constexpr char32_t kTrailCount = 28;
constexpr char32_t kSyllableCount = 19 * kVowelCount * kTrailCount;
constexpr char32_t kNone = 0;

bool isSyllable(char32_t c) { return c >= kSyllableBase && c < kSyllableBase + kSyllableCount; }

void decomposeSyllable(char32_t syllable, CodePoints& out) {
  const char32_t index = syllable - kSyllableBase;
  out.push_back(kLeadBase + index / (kVowelCount * kTrailCount));
  out.push_back(kVowelBase + index % (kVowelCount * kTrailCount) / kTrailCount);
  if (index % kTrailCount != 0) out.push_back(kTrailBase + index % kTrailCount);
}

// The full canonical decomposition of c, added to out.
void decompose(char32_t c, CodePoints& out) {
  if (isSyllable(c)) return decomposeSyllable(c, out);
  const auto table = tables::decompositions();
  const auto found =
      std::lower_bound(table.begin(), table.end(), c,
                       [](const tables::Decomposition& d, char32_t v) { return d.composite < v; });
  if (found == table.end() || found->composite != c) return out.push_back(c);
  decompose(found->first, out);
  if (found->second != kNone) decompose(found->second, out);
}

// Marks in a row are put in the order of their combining classes, keeping
// the order of marks of one class.
void orderMarks(CodePoints& text) {
  auto byClass = [](char32_t a, char32_t b) { return combiningClass(a) < combiningClass(b); };
  for (auto start = text.begin(); start != text.end();) {
    start = std::find_if(start, text.end(), [](char32_t c) { return combiningClass(c) != 0; });
    const auto end = std::find_if(start, text.end(), [](char32_t c) { return combiningClass(c) == 0; });
    std::stable_sort(start, end, byClass);
    start = end;
  }
}

char32_t composeHangul(char32_t first, char32_t second) {
  if (first >= kLeadBase && first < kLeadBase + 19 && second >= kVowelBase &&
      second < kVowelBase + kVowelCount)
    return kSyllableBase + ((first - kLeadBase) * kVowelCount + (second - kVowelBase)) * kTrailCount;
  const bool plainSyllable = isSyllable(first) && (first - kSyllableBase) % kTrailCount == 0;
  if (plainSyllable && second > kTrailBase && second < kTrailBase + kTrailCount)
    return first + (second - kTrailBase);
  return kNone;
}

char32_t composePair(char32_t first, char32_t second) {
  if (const char32_t hangul = composeHangul(first, second); hangul != kNone) return hangul;
  const auto table = tables::compositions();
  const auto found = std::lower_bound(table.begin(), table.end(), std::pair{first, second},
                                      [](const tables::Composition& c, std::pair<char32_t, char32_t> v) {
                                        return std::pair{c.first, c.second} < v;
                                      });
  return found != table.end() && found->first == first && found->second == second ? found->composite : kNone;
}

// The canonical composition algorithm: each character joins the last
// starter when nothing between them has its class or blocks it.
void compose(CodePoints& text) {
  if (text.empty()) return;
  size_t starter = 0;
  int lastClass = combiningClass(text[0]) == 0 ? 0 : 256;
  size_t kept = 1;
  for (size_t i = 1; i < text.size(); ++i) {
    const int cls = combiningClass(text[i]);
    const char32_t composite = composePair(text[starter], text[i]);
    // lastClass is 0 only while the starter is the last character kept.
    if (composite != kNone && (lastClass < cls || lastClass == 0)) {
      text[starter] = composite;
      continue;
    }
    if (cls == 0) starter = kept;
    lastClass = cls;
    text[kept++] = text[i];
  }
  text.resize(kept);
}

void appendComposed(std::string& out, CodePoints& run) {
  orderMarks(run);
  compose(run);
  for (const char32_t c : run) appendUtf8(out, c);
  run.clear();
}

}  // namespace

std::string composed(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  CodePoints run;
  while (!utf8.empty()) {
    const Character character = decode(utf8);
    if (character.valid) {
      decompose(character.codePoint, run);
    } else {
      appendComposed(out, run);
      out += utf8[0];
    }
    utf8.remove_prefix(character.length);
  }
  appendComposed(out, run);
  return out;
}

}  // namespace text
