#pragma once
// Questions about what a loaded dictionary holds.

#include <cstddef>
#include <string>

#include "containers/hash_table.h"

namespace dictionary {

/// True when some word of the table is exactly length bytes long.
bool holdsWordOfLength(const containers::HTable<std::string>& table, size_t length);

}  // namespace dictionary
