#include "dictionary/contents.h"

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

}  // namespace dictionary
