#pragma once
// Reads the word file into the dictionary table, telling the loading
// progress and totals, or the reason it could not, to an observer.

#include <cstddef>
#include <string>
#include <string_view>

#include "containers/hash_table.h"

namespace dictionary {

/// Hears what a load has to tell, in the loader's words; the caller decides
/// where it shows (the program prints it on the console).
class LoadObserver {
 public:
  virtual ~LoadObserver() = default;
  /// Text for the line being told, as it is: a verbose load's progress
  /// text overwrites itself with backspaces.
  virtual void tell(std::string_view text) = 0;
  /// The line being told is complete.
  virtual void endLine() = 0;
  /// What was told so far should show now: reading, which may be slow,
  /// starts.
  virtual void showNow() = 0;
};

/// The file is read in chunks of this many bytes: enough that reading
/// costs a few system calls per megabyte, little enough to be a small fixed
/// cost whatever the file holds.
constexpr size_t kLoaderChunkBytes = size_t{64} * 1024;

/// Loads every usable word of fileName (3 to 6 bytes, no apostrophe, no
/// control byte) into table. Returns false after telling its own error line
/// when the file cannot be opened or read. With verbose, each word is told
/// as it is taken, and the totals count the lines read too.
bool loadDictionary(const std::string& fileName, containers::WordTable& table, bool verbose,
                    LoadObserver& observer);

}  // namespace dictionary
