#include "containers/short_word.h"

#include <deque>
#include <new>
#include <unordered_map>

namespace containers {
namespace {

// Each long word once, for the whole run: a deque never moves what it
// holds, so the views the index is keyed by stay valid.
struct LongWords {
  std::deque<std::string> texts;
  std::unordered_map<std::string_view, uint32_t> numbers;
};

LongWords& longWords() {
  static LongWords store;
  return store;
}

}  // namespace

uint32_t ShortWord::storeLong(std::string_view text) {
  LongWords& store = longWords();
  const auto known = store.numbers.find(text);
  if (known != store.numbers.end()) return known->second;
  const auto number = static_cast<uint32_t>(store.texts.size());
  if (number >= kNotStored) throw std::bad_alloc();
  store.numbers.emplace(store.texts.emplace_back(text), number);
  return number;
}

uint32_t ShortWord::storedNumber(std::string_view text) {
  const LongWords& store = longWords();
  const auto known = store.numbers.find(text);
  return known == store.numbers.end() ? kNotStored : known->second;
}

std::string_view ShortWord::longText(uint32_t number) {
  const LongWords& store = longWords();
  return number < store.texts.size() ? std::string_view(store.texts[number]) : std::string_view();
}

}  // namespace containers
