#pragma once
// Writing a whole buffer to a file descriptor. Safe to call from a signal
// handler: it uses only write() and poll().

#include <cstddef>

namespace console {

/// Writes all size bytes to fd, resuming after interruptions and partial
/// writes. Gives up quietly when the output is gone (closed pipe, hung-up
/// terminal): output nobody can see is dropped, never fatal.
void writeFully(int fd, const char* data, size_t size);

}  // namespace console
