#pragma once
// Questions about what a loaded dictionary holds.

#include <cstddef>

#include "containers/hash_table.h"

namespace dictionary {

/// True when some word of the table has exactly length letters and no blank
/// (dictionary::holdsBlank): a word a round can be played on.
bool holdsWordOfLength(const containers::WordTable& table, size_t length);

}  // namespace dictionary
