#pragma once
// The other end of a pipe given to the program as its output, in the
// Windows tests: what has arrived so far, without waiting for more.

#include <windows.h>

#include <string>

namespace windows_test {

/// Every byte waiting in the pipe's read end, taken out of it.
inline std::string takeWaitingBytes(HANDLE readEnd) {
  std::string bytes;
  DWORD available = 0;
  while (PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
    std::string chunk(available, '\0');
    DWORD read = 0;
    if (!ReadFile(readEnd, chunk.data(), available, &read, nullptr)) break;
    bytes.append(chunk, 0, read);
  }
  return bytes;
}

}  // namespace windows_test
