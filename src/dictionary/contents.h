#pragma once
// Questions about what a loaded dictionary holds.

#include <cstddef>
#include <string>
#include <vector>

#include "containers/hash_table.h"

namespace dictionary {

/// True when some word of the table has exactly length letters and no blank
/// (dictionary::holdsBlank): a word a round can be played on.
bool holdsWordOfLength(const containers::WordTable& table, size_t length);

/// Up to most words of the table, spread over all of it: every word when
/// it holds no more, else every n-th word in bucket order.
std::vector<std::string> sampleWords(const containers::WordTable& table, size_t most);

}  // namespace dictionary
