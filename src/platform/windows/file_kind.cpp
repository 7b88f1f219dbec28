#include <windows.h>

#include "platform/file_kind.h"
#include "platform/windows/wide_names.h"

namespace platform {

// A named pipe lives under \\.\pipe\, not in a folder on a disk, so the
// attributes are enough to tell a file from a folder or a device. For a
// link they are the link's own, with the size 0; a reader measures the file
// it opens.
FileFacts fileFacts(const std::string& name) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(wideName(name).c_str(), GetFileExInfoStandard, &data)) return {};
  if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return {FileKind::kFolder, 0};
  if ((data.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) != 0) return {FileKind::kOther, 0};
  const uint64_t size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return {FileKind::kRegular, size};
}

}  // namespace platform
