#include "containers/binary_search_tree.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <iostream>
#include <sstream>
#include <string>

namespace {

using Tree = containers::BST<std::string>;

void insertAll(Tree& tree, std::initializer_list<const char*> words) {
  for (const char* word : words) tree.insert(tree.root, word);
}

std::string listing(const Tree& tree) {
  std::ostringstream captured;
  std::streambuf* previous = std::cout.rdbuf(captured.rdbuf());
  tree.printInOrder(tree.root);
  std::cout.rdbuf(previous);
  return captured.str();
}

TEST(BST, ListsInByteOrderWithCapitalsFirst) {
  Tree tree;
  insertAll(tree, {"dog", "cat", "emu", "apple", "Zebra", "doge"});
  EXPECT_EQ(listing(tree), "Zebra apple cat dog doge emu ");
}

TEST(BST, EmptyTreeListsNothingAndContainsNothing) {
  Tree tree;
  tree.clear();
  EXPECT_EQ(listing(tree), "");
  EXPECT_FALSE(tree.contains(tree.root, "cat"));
  EXPECT_EQ(tree.count, 0);
}

TEST(BST, ContainsOnlyExactWords) {
  Tree tree;
  insertAll(tree, {"dog", "cat", "emu"});
  EXPECT_TRUE(tree.contains(tree.root, "cat"));
  EXPECT_TRUE(tree.contains(tree.root, "emu"));
  EXPECT_FALSE(tree.contains(tree.root, "Cat"));
  EXPECT_FALSE(tree.contains(tree.root, "ca"));
  EXPECT_FALSE(tree.contains(tree.root, "cats"));
}

TEST(BST, DuplicatesAreStoredTwiceAndCountIsTheCallersToKeep) {
  Tree tree;
  tree.clear();
  insertAll(tree, {"cat", "bat", "cat"});
  EXPECT_EQ(listing(tree), "bat cat cat ");
  EXPECT_EQ(tree.count, 0);
}

TEST(BST, ClearForgetsEverything) {
  Tree tree;
  insertAll(tree, {"dog", "cat", "emu", "ant"});
  tree.count = 4;
  tree.clear();
  EXPECT_EQ(tree.root, nullptr);
  EXPECT_EQ(tree.count, 0);
  EXPECT_FALSE(tree.contains(tree.root, "dog"));
  insertAll(tree, {"owl"});
  EXPECT_EQ(listing(tree), "owl ");
}

TEST(BST, DestroySubtreeEmptiesOnlyThatSlot) {
  Tree tree;
  insertAll(tree, {"dog", "cat", "ant", "emu"});
  ASSERT_NE(tree.root, nullptr);
  tree.destroySubtree(tree.root->left);
  EXPECT_EQ(tree.root->left, nullptr);
  EXPECT_EQ(listing(tree), "dog emu ");
}

}  // namespace
