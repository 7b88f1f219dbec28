#pragma once
// The dictionary's chained hash table: a fixed array of kBucketCount singly
// linked lists. Words are added by hashing them with the table's `hash` and
// inserting into that bucket; nothing is ever removed before the table dies.
//
// Invariants: a list's `count` equals the number of nodes reachable from its
// `head`; every element of bucket i hashes to i. Duplicates are allowed.
// The fields are public because the loader, the word choice and the
// statistics viewer walk the buckets directly.
//
// The table owns the arena its lists take their nodes from: a node is its
// element and a link, nothing more, and clearing the table frees the
// arena's blocks rather than each node.

#include <cassert>
#include <cstdint>
#include <cstring>
#include <memory>

#include "containers/node_arena.h"
#include "containers/short_word.h"

namespace containers {

// A prime, so the product of the first letters spreads over every bucket.
// Fixed for the whole run: there is no resizing.
constexpr int32_t kBucketCount = 577;

/// The bucket of a word: built from its first four bytes, read as unsigned
/// values, (b1 * b2) * b0 + b3, modulo kBucketCount. A three-letter word's
/// fourth byte counts as 0, so "act", "cat" and "tac" share a bucket.
inline int32_t hashWord(const ShortWord& word) {
  int32_t sum = (word.byteAt(1) * word.byteAt(2)) * word.byteAt(0) + word.byteAt(3);
  return sum % kBucketCount;
}

template <typename T>
struct Node;

/// A pointer to a node, kept as plain bytes so that a node needs no more
/// alignment than its element: a node of a seven-byte word then takes 15
/// bytes instead of 16. It reads and assigns like the pointer it holds.
template <typename T>
class NodeLink {
 public:
  NodeLink(Node<T>* node = nullptr) { *this = node; }
  NodeLink& operator=(Node<T>* node) {
    std::memcpy(bytes_, &node, sizeof bytes_);
    return *this;
  }
  operator Node<T>*() const {
    Node<T>* node = nullptr;
    std::memcpy(&node, bytes_, sizeof bytes_);
    return node;
  }
  Node<T>* operator->() const { return *this; }

 private:
  unsigned char bytes_[sizeof(Node<T>*)];
};

template <typename T>
struct Node {
  T element{};
  NodeLink<T> next;
};

template <typename T>
class HTable;

/// One bucket: newest element first. Its nodes come from an arena: the
/// table's own for its buckets, or the one a lone list is given.
template <typename T>
class SLList {
 public:
  SLList() = default;
  explicit SLList(NodeArena<Node<T>>& nodes) : nodes_(&nodes) {}
  SLList(const SLList&) = delete;
  SLList& operator=(const SLList&) = delete;
  virtual ~SLList() {
    if (head != nullptr) clear();
  }

  /// Adds a copy of element at the front.
  void insert(const T& element) {
    assert(nodes_ != nullptr);
    Node<T>* node = nodes_->allocate(element, head);
    count = count + 1;
    head = node;
  }

  /// Forgets every node; their memory goes back with the arena's blocks.
  void clear() {
    head = nullptr;
    count = 0;
  }

  Node<T>* head = nullptr;
  uint32_t count = 0;

 private:
  friend class HTable<T>;
  NodeArena<Node<T>>* nodes_ = nullptr;
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
      : buckets(std::make_unique<SLList<T>[]>(kBucketCount)), size(kBucketCount), hash(hashFunction) {
    for (uint32_t i = 0; i < size; ++i) buckets[i].nodes_ = &nodes_;
  }
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
    nodes_.release();
  }

  std::unique_ptr<SLList<T>[]> buckets;
  uint32_t size;
  HashFunction hash;

 private:
  NodeArena<Node<T>> nodes_;
};

/// The dictionary: words of at most six bytes.
using WordTable = HTable<ShortWord>;
static_assert(sizeof(Node<ShortWord>) == sizeof(ShortWord) + sizeof(void*),
              "a word's node is the word and a link");

}  // namespace containers
