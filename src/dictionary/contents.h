#pragma once
// Questions about what a loaded dictionary holds.

#include <cstddef>

#include "containers/hash_table.h"

namespace dictionary {

/// True when some word of the table has exactly length letters.
bool holdsWordOfLength(const containers::WordTable& table, size_t length);

}  // namespace dictionary
