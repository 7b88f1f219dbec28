#pragma once
// Where a table's list nodes live: large blocks handed out node by node, so
// that a node costs its own bytes and nothing more, and emptying the table
// frees a few blocks instead of every node one by one. A node handed out
// stays where it is until release(); only elements that need no destructor
// can live here, since nodes are never destroyed one by one.

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

namespace containers {

template <typename NodeType>
class NodeArena {
  static_assert(std::is_trivially_destructible_v<NodeType>, "nodes are freed with their blocks, unvisited");
  static_assert(alignof(NodeType) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__,
                "a block starts at the default alignment");

 public:
  /// Loading the 800,000 words of the loading benchmark took as long and
  /// peaked as high with blocks of 16 KiB as of 16 MiB: the cost lies in the
  /// first touch of each page, not in the allocations. A block's pages are
  /// only paid for once touched, so 1 MiB costs a small dictionary nothing
  /// and keeps the count of blocks of a large one small.
  static constexpr size_t kDefaultBlockBytes = size_t{1} << 20;
  /// The first block is small and each next one twice the last, up to
  /// blockBytes: a word list of a few lines then takes a few pages, not a
  /// megabyte that a memory checker maps, marks and unmaps whole each time.
  static constexpr size_t kFirstBlockBytes = size_t{1} << 14;

  /// blockBytes must hold at least one node.
  explicit NodeArena(size_t blockBytes = kDefaultBlockBytes)
      : blockBytes_(blockBytes), nextBlockBytes_(firstBlockBytes()) {
    assert(blockBytes >= sizeof(NodeType));
  }
  NodeArena(const NodeArena&) = delete;
  NodeArena& operator=(const NodeArena&) = delete;
  ~NodeArena() = default;

  /// A new node made of fields; throws std::bad_alloc when no block can be had.
  // Every node has the same size, a multiple of its alignment, and blocks
  // start suitably aligned: handing out sizeof(NodeType) at a time keeps
  // every node aligned.
  template <typename... Fields>
  NodeType* allocate(Fields&&... fields) {
    if (static_cast<size_t>(end_ - free_) < sizeof(NodeType)) addBlock();
    auto* node = new (free_) NodeType{std::forward<Fields>(fields)...};
    free_ += sizeof(NodeType);
    return node;
  }

  /// Frees every block: every node handed out so far is gone.
  void release() {
    blocks_.clear();
    free_ = end_ = nullptr;
    nextBlockBytes_ = firstBlockBytes();
  }

  size_t blockCount() const { return blocks_.size(); }

 private:
  // The default initialisation leaves the block's pages untouched, so the
  // system supplies each one only when a node is first written there.
  void addBlock() {
    blocks_.push_back(std::unique_ptr<std::byte[]>(new std::byte[nextBlockBytes_]));
    free_ = blocks_.back().get();
    end_ = free_ + nextBlockBytes_;
    nextBlockBytes_ = std::min(nextBlockBytes_ * 2, blockBytes_);
  }

  size_t firstBlockBytes() const {
    return std::max(std::min(kFirstBlockBytes, blockBytes_), sizeof(NodeType));
  }

  size_t blockBytes_;
  size_t nextBlockBytes_;  ///< the size of the block added next
  std::vector<std::unique_ptr<std::byte[]>> blocks_;
  std::byte* free_ = nullptr;  ///< the next node goes here
  std::byte* end_ = nullptr;   ///< the end of the newest block
};

}  // namespace containers
