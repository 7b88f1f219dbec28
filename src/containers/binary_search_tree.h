#pragma once
// An unbalanced binary search tree of elements ordered by operator<; for
// strings that is byte order with bytes as unsigned values, so capitals
// come before small letters. Equal elements go to the right, so inserting
// twice stores twice: callers keep duplicates out with contains().
//
// `count` is kept by the tree's user (it adds 1 after each insert); the tree
// itself only sets it to 0 in clear(). The operations take a slot (the root
// field, or a node's left or right field) so that callers start them at
// `root`.

#include <cstdint>
#include <iostream>

namespace containers {

template <typename T>
struct TreeNode {
  T element{};
  TreeNode* left = nullptr;
  TreeNode* right = nullptr;
};

template <typename T>
class BST {
 public:
  BST() = default;
  BST(const BST&) = delete;
  BST& operator=(const BST&) = delete;
  virtual ~BST() { destroySubtree(root); }

  /// Adds a copy of element in the subtree at slot; count is unchanged.
  void insert(TreeNode<T>*& slot, const T& element) {
    TreeNode<T>** place = &slot;
    while (*place != nullptr) {
      place = element < (*place)->element ? &(*place)->left : &(*place)->right;
    }
    *place = new TreeNode<T>;
    (*place)->element = element;
  }

  bool contains(const TreeNode<T>* slot, const T& element) const {
    for (const TreeNode<T>* node = slot; node != nullptr;) {
      if (element < node->element) {
        node = node->left;
      } else if (node->element < element) {
        node = node->right;
      } else {
        return true;
      }
    }
    return false;
  }

  /// Writes the subtree's elements to std::cout in ascending order, each
  /// followed by one blank, with no line end.
  void printInOrder(const TreeNode<T>* node) const {
    if (node == nullptr) return;
    printInOrder(node->left);
    std::cout << node->element << ' ';
    printInOrder(node->right);
  }

  /// Destroys every node below and at slot (children first); slot becomes null.
  void destroySubtree(TreeNode<T>*& slot) {
    if (slot == nullptr) return;
    destroySubtree(slot->left);
    destroySubtree(slot->right);
    delete slot;
    slot = nullptr;
  }

  void clear() {
    destroySubtree(root);
    count = 0;
  }

  TreeNode<T>* root = nullptr;
  int32_t count = 0;
};

}  // namespace containers
