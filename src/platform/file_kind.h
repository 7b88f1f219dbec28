#pragma once
// What a name stands for in the file system, found without opening it: a
// FIFO opened for reading waits for a writer, and a folder or a device read
// as a file gives nonsense, so a file the program only reads if it is there
// is looked at first.

#include <cstdint>
#include <string>

namespace platform {

enum class FileKind {
  kMissing,  ///< nothing at the name, or nothing the program may look at
  kRegular,  ///< an ordinary file (through any links)
  kFolder,
  kOther,  ///< a FIFO, a device, a socket
};

struct FileFacts {
  FileKind kind = FileKind::kMissing;
  uint64_t size = 0;  ///< in bytes, for a regular file
};

/// What name (a name as file_names.h keeps it) stands for, following links.
FileFacts fileFacts(const std::string& name);

}  // namespace platform
