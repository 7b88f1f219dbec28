#pragma once
// The character data of the text module, made from the Unicode Character
// Database by tools/make_unicode_tables.pl into unicode_tables.cpp. Every
// table is sorted by its first field, and no two ranges of a table overlap.
// The rest of the program asks character_classes.h and composition.h.

#include <cstdint>
#include <span>

namespace text::tables {

struct Range {
  char32_t first;
  char32_t last;
};

struct ClassRange {
  char32_t first;
  char32_t last;
  uint8_t combiningClass;  ///< never 0: characters outside every range have class 0
};

/// A character's canonical decomposition: one character, or two.
struct Decomposition {
  char32_t composite;
  char32_t first;
  char32_t second;  ///< 0 when the composite decomposes to first alone
};

/// Two characters that compose canonically, sorted by first, then second.
struct Composition {
  char32_t first;
  char32_t second;
  char32_t composite;
};

/// One character's simple case mapping: one character to one other.
struct CaseMapping {
  char32_t from;
  char32_t to;
};

/// Nonspacing and enclosing marks (Mn, Me): drawn over the character before them.
std::span<const Range> combiningMarks();
/// East Asian Wide and Fullwidth characters: two columns on a terminal.
std::span<const Range> wide();
/// Controls, formatting, surrogates, private use, unassigned, line and paragraph separators.
std::span<const Range> unprintable();
/// Space separators (Zs), the ordinary space among them.
std::span<const Range> blanks();
std::span<const ClassRange> combiningClasses();
std::span<const Decomposition> decompositions();
/// The canonical pairs that are not excluded from composition.
std::span<const Composition> compositions();
/// The simple lower-case mappings, sorted by from; a character not here is
/// its own lower case.
std::span<const CaseMapping> lowerCases();

}  // namespace text::tables
