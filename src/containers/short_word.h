#pragma once
// A word of at most six bytes held in place with its length: the element of
// the dictionary's table, so that a stored word costs seven bytes and no
// allocation of its own. It compares, prints and converts to std::string as
// the byte string it holds.
//
// A longer word (six letters of several bytes each) is kept once, for the
// rest of the run, in a store of long words; the seven bytes then hold its
// first four bytes, so that it hashes as any word does, and its number in
// that store.
//
// Invariants: the bytes past a short word, up to kCapacity, are zero, and
// equal long words have the same number, so two words are equal exactly
// when their arrays are.

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
  /// A text longer than kCapacity bytes is put in the store of long words.
  ShortWord(std::string_view text) {
    if (text.size() > kCapacity) {
      setLong(text, storeLong(text));
      return;
    }
    std::memcpy(bytes_.data(), text.data(), text.size());
    bytes_[kCapacity] = static_cast<char>(text.size());
  }
  /// As the constructor, but a long text that is not in the store gives a
  /// word equal to no stored word, and the store does not grow: for the
  /// many lookups of words that may not exist.
  static ShortWord ifStored(std::string_view text) {
    if (text.size() <= kCapacity) return ShortWord(text);
    ShortWord word;
    word.setLong(text, storedNumber(text));
    return word;
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

  size_t size() const { return isLong() ? longText(longNumber()).size() : lengthByte(); }
  std::string_view view() const {
    return isLong() ? longText(longNumber()) : std::string_view{bytes_.data(), lengthByte()};
  }
  operator std::string() const { return std::string(view()); }
  /// Byte i (below kCapacity) as an unsigned value; 0 from size() on. Of a
  /// long word only the first kHeldBytes are read here, which the hash
  /// needs.
  int32_t byteAt(size_t i) const { return static_cast<unsigned char>(bytes_[i]); }
  static constexpr size_t kHeldBytes = 4;

  friend bool operator==(const ShortWord&, const ShortWord&) = default;
  friend std::ostream& operator<<(std::ostream& out, const ShortWord& word) { return out << word.view(); }

 private:
  // A long word's last byte has this bit set; its other bits and the two
  // bytes before it hold its number in the store.
  static constexpr unsigned kLongMark = 0x80;
  /// The numbers of long words: 23 bits, the highest kept for a word that
  /// is stored nowhere.
  static constexpr uint32_t kNotStored = (uint32_t{1} << 23) - 1;

  size_t lengthByte() const { return static_cast<unsigned char>(bytes_[kCapacity]); }
  bool isLong() const { return (lengthByte() & kLongMark) != 0; }
  uint32_t longNumber() const {
    return static_cast<uint32_t>(lengthByte() & ~kLongMark) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes_[5])) << 8 |
           static_cast<unsigned char>(bytes_[4]);
  }
  void setLong(std::string_view text, uint32_t number) {
    std::memcpy(bytes_.data(), text.data(), kHeldBytes);
    bytes_[4] = static_cast<char>(number & 0xFF);
    bytes_[5] = static_cast<char>(number >> 8 & 0xFF);
    bytes_[kCapacity] = static_cast<char>(kLongMark | number >> 16);
  }
  /// The number of text in the store, which takes it in if it is new;
  /// throws std::bad_alloc when the store is full.
  static uint32_t storeLong(std::string_view text);
  /// The number of text in the store, or kNotStored.
  static uint32_t storedNumber(std::string_view text);
  static std::string_view longText(uint32_t number);

  // The word's bytes, then its length: one array, so that the word is
  // built and copied as a whole rather than field by field.
  std::array<char, kCapacity + 1> bytes_{};
};

}  // namespace containers
