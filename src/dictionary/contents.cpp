#include "dictionary/contents.h"

#include <algorithm>

#include "dictionary/letters.h"

namespace dictionary {

bool holdsWordOfLength(const containers::WordTable& table, size_t length) {
  for (uint32_t bucket = 0; bucket < table.size; ++bucket) {
    for (const auto* node = table.buckets[bucket].head; node != nullptr; node = node->next) {
      if (letterCount(node->element.view()) == length && !holdsBlank(node->element.view())) return true;
    }
  }
  return false;
}

std::vector<std::string> sampleWords(const containers::WordTable& table, size_t most) {
  size_t total = 0;
  for (uint32_t bucket = 0; bucket < table.size; ++bucket) total += table.buckets[bucket].count;
  std::vector<std::string> sample;
  if (most == 0) return sample;
  const size_t step = std::max<size_t>(1, (total + most - 1) / most);
  size_t index = 0;
  for (uint32_t bucket = 0; bucket < table.size; ++bucket) {
    for (const auto* node = table.buckets[bucket].head; node != nullptr; node = node->next, ++index) {
      if (index % step == 0) sample.emplace_back(node->element.view());
    }
  }
  return sample;
}

}  // namespace dictionary
