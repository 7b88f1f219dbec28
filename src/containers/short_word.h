#pragma once
// A word of at most six bytes held in place with its length: the element of
// the dictionary's table, so that a stored word costs seven bytes and no
// allocation of its own. It compares, prints and converts to std::string as
// the byte string it holds.
//
// Invariant: the bytes past the word, up to kCapacity, are zero, so two
// words are equal exactly when their arrays are.

#include <array>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>

namespace containers {

class ShortWord {
 public:
  static constexpr size_t kCapacity = 6;

  ShortWord() = default;
  /// text must be at most kCapacity bytes long; no more are ever copied.
  ShortWord(std::string_view text) {
    assert(text.size() <= kCapacity);
    const size_t length = text.size() < kCapacity ? text.size() : kCapacity;
    std::memcpy(bytes_.data(), text.data(), length);
    bytes_[kCapacity] = static_cast<char>(length);
  }
  ShortWord(const std::string& text) : ShortWord(std::string_view(text)) {}
  ShortWord(const char* text) : ShortWord(std::string_view(text)) {}

  /// Picks the constructor that copies a whole padded array.
  struct FromZeroPadded {};
  /// The word of the first length bytes of padded, which holds kCapacity + 1
  /// bytes, zero from length on; its last byte is overwritten. A copy of
  /// fixed size, without a branch, for the loader's innermost loop.
  ShortWord(FromZeroPadded, char* padded, size_t length) {
    assert(length <= kCapacity);
    padded[kCapacity] = static_cast<char>(length);
    std::memcpy(bytes_.data(), padded, bytes_.size());
  }

  size_t size() const { return static_cast<unsigned char>(bytes_[kCapacity]); }
  std::string_view view() const { return {bytes_.data(), size()}; }
  operator std::string() const { return std::string(view()); }
  /// Byte i (below kCapacity) as an unsigned value; 0 from size() on.
  int32_t byteAt(size_t i) const { return static_cast<unsigned char>(bytes_[i]); }

  friend bool operator==(const ShortWord&, const ShortWord&) = default;
  friend std::ostream& operator<<(std::ostream& out, const ShortWord& word) { return out << word.view(); }

 private:
  // The word's bytes, then its length: one array, so that the word is
  // built and copied as a whole rather than field by field.
  std::array<char, kCapacity + 1> bytes_{};
};

}  // namespace containers
