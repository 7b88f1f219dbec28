#pragma once
// Writing a whole buffer to a file descriptor. Safe to call from a signal
// handler: it uses only write() and poll().

#include <cstddef>

namespace platform {

/// Writes all size bytes to fd, resuming after interruptions and partial
/// writes. Returns 0, or the error that stopped it (a closed descriptor, a
/// pipe without reader, a hung-up terminal); errno is left as it was.
int writeFully(int fd, const char* data, size_t size);

}  // namespace platform
