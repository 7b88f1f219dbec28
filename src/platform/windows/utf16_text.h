#pragma once
// Between the program's bytes and the UTF-16 a Windows console takes. The
// program writes bytes; where they form UTF-8 (the filled bar cell) they
// stand for that character, and any other byte shows as the console's code
// page shows it, as it did when the console was given bytes. Pure, so it is
// tested without a console.

#include <string>
#include <string_view>

namespace console {

/// The character a code page shows for one byte.
using ByteCharacter = char16_t (*)(unsigned char byte);

/// The UTF-16 of bytes: valid UTF-8 sequences become their characters,
/// every other byte the character byteCharacter gives it.
std::u16string toUtf16(std::string_view bytes, ByteCharacter byteCharacter);

/// The one UTF-16 unit a console cell shows for a cell of the screen grid;
/// '?' for a character that needs two (beyond the Basic Multilingual Plane).
char16_t cellCharacter(std::string_view cell, ByteCharacter byteCharacter);

/// How many bytes at the end of bytes begin a UTF-8 sequence that the next
/// write will finish; they are held back until then.
size_t unfinishedUtf8Tail(std::string_view bytes);

/// The UTF-8 of UTF-16 text, as the system gives names: a surrogate that
/// is not part of a pair becomes U+FFFD.
std::string toUtf8(std::u16string_view units);

/// The UTF-16 of a name the program keeps in UTF-8, to hand to the system:
/// a byte that is not part of UTF-8 becomes U+FFFD.
std::u16string nameToUtf16(std::string_view utf8);

}  // namespace console
