#pragma once
// Usable words on their way into the hash table, gathered so that each
// bucket's share of a batch is inserted in one run. A bucket's nodes then lie
// together in memory instead of scattered among all the others' nodes, so
// walking or freeing a bucket follows memory rather than jumping through the
// whole table: with a large dictionary that decides the cost of taking the
// table down at the end of the run.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "containers/hash_table.h"
#include "dictionary/word_filter.h"

namespace dictionary {

class InsertionBatch {
 public:
  /// Holds a copy of word (a usable word) for bucket.
  void add(int32_t bucket, std::string_view word);
  bool full() const { return pending_.size() >= kCapacity; }
  /// Inserts the held words and forgets them. Words of one bucket go in
  /// in the order they were added, so the table ends up as if each had been
  /// inserted at once.
  void insertInto(containers::HTable<std::string>& table);

 private:
  static constexpr size_t kCapacity = 1 << 16;

  struct PendingWord {
    std::array<char, kLongestUsable> bytes;
    uint8_t length;
    uint16_t bucket;
  };

  std::vector<PendingWord> pending_;
  std::vector<PendingWord> byBucket_;
};

}  // namespace dictionary
