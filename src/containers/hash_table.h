#pragma once
// The dictionary's chained hash table: a fixed array of kBucketCount singly
// linked lists. Words are added by hashing them with the table's `hash` and
// inserting into that bucket; nothing is ever removed before the table dies.
//
// Invariants: a list's `count` equals the number of nodes reachable from its
// `head`; every element of bucket i hashes to i. Duplicates are allowed.
// The fields are public because the loader, the word choice and the
// statistics viewer walk the buckets directly.

#include <cstdint>
#include <memory>
#include <string>

namespace containers {

// A prime, so the product of the first letters spreads over every bucket.
// Fixed for the whole run: there is no resizing.
constexpr int32_t kBucketCount = 577;

/// The bucket of a word: built from its first four bytes, read as unsigned
/// values, (b1 * b2) * b0 + b3, modulo kBucketCount. A three-letter word's
/// fourth byte counts as 0, so "act", "cat" and "tac" share a bucket.
inline int32_t hashWord(const std::string& word) {
  auto byteAt = [&word](size_t i) -> int32_t {
    return i < word.size() ? static_cast<unsigned char>(word[i]) : 0;
  };
  int32_t sum = (byteAt(1) * byteAt(2)) * byteAt(0) + byteAt(3);
  return sum % kBucketCount;
}

template <typename T>
struct Node {
  T element{};
  Node* next = nullptr;
};

/// One bucket: newest element first.
template <typename T>
class SLList {
 public:
  SLList() = default;
  SLList(const SLList&) = delete;
  SLList& operator=(const SLList&) = delete;
  virtual ~SLList() {
    if (head != nullptr) clear();
  }

  /// Adds a copy of element at the front.
  void insert(const T& element) {
    auto* node = new Node<T>;
    node->element = element;
    node->next = head;
    count = count + 1;
    head = node;
  }

  void clear() {
    while (head != nullptr) {
      Node<T>* node = head;
      head = node->next;
      delete node;
    }
    count = 0;
  }

  Node<T>* head = nullptr;
  uint32_t count = 0;
};

/// A position in one list, for walking it from the head.
template <typename T>
class SLLIter {
 public:
  explicit SLLIter(const SLList<T>& walked) : list(&walked), current(walked.head) {}
  virtual ~SLLIter() = default;

  bool atEnd() const { return current == nullptr; }
  const T& element() const { return current->element; }
  void advance() {
    previous = current;
    current = current->next;
  }

  const SLList<T>* list;
  const Node<T>* previous = nullptr;
  const Node<T>* current;
};

template <typename T>
class HTable {
 public:
  using HashFunction = int32_t (*)(const T&);

  explicit HTable(HashFunction hashFunction = hashWord)
      : buckets(std::make_unique<SLList<T>[]>(kBucketCount)), size(kBucketCount), hash(hashFunction) {}
  HTable(const HTable&) = delete;
  HTable& operator=(const HTable&) = delete;
  virtual ~HTable() { clear(); }

  /// The bucket index of a stored element equal to element, or -1.
  int32_t find(const T& element) const {
    for (SLLIter<T> it(buckets[static_cast<size_t>(hash(element))]); !it.atEnd(); it.advance()) {
      if (it.element() == element) return hash(element);
    }
    return -1;
  }

  void clear() {
    for (uint32_t i = 0; i < size; ++i) {
      if (buckets[i].head != nullptr) buckets[i].clear();
    }
  }

  std::unique_ptr<SLList<T>[]> buckets;
  uint32_t size;
  HashFunction hash;
};

}  // namespace containers
