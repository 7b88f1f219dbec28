#include "containers/node_arena.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "containers/hash_table.h"

namespace {

using WordNode = containers::Node<containers::ShortWord>;
using containers::NodeArena;

// Nodes handed out across many small blocks keep their contents: none
// overlaps another, and none moves when a later block is added.
std::vector<WordNode*> fill(NodeArena<WordNode>& arena, size_t count) {
  std::vector<WordNode*> nodes;
  for (size_t n = 0; n < count; ++n) {
    nodes.push_back(
        arena.allocate(containers::ShortWord(std::to_string(n)), n == 0 ? nullptr : nodes.back()));
  }
  return nodes;
}

void expectIntact(const std::vector<WordNode*>& nodes) {
  for (size_t n = 0; n < nodes.size(); ++n) {
    ASSERT_EQ(std::string(nodes[n]->element), std::to_string(n)) << "node " << n;
    ASSERT_EQ(static_cast<WordNode*>(nodes[n]->next), n == 0 ? nullptr : nodes[n - 1]) << "node " << n;
  }
}

TEST(NodeArena, ManyBlocksThenReleaseAndReuse) {
  const size_t nodesPerBlock = 10;
  NodeArena<WordNode> arena(nodesPerBlock * sizeof(WordNode) + sizeof(WordNode) / 2);
  EXPECT_EQ(arena.blockCount(), 0U);
  expectIntact(fill(arena, 1000));
  EXPECT_EQ(arena.blockCount(), 100U);

  arena.release();
  EXPECT_EQ(arena.blockCount(), 0U);
  expectIntact(fill(arena, 25));
  EXPECT_EQ(arena.blockCount(), 3U);
}

}  // namespace
