#include <sys/stat.h>

#include "platform/file_kind.h"

namespace platform {

FileFacts fileFacts(const std::string& name) {
  struct stat status {};
  if (stat(name.c_str(), &status) != 0) return {};
  if (S_ISREG(status.st_mode)) return {FileKind::kRegular, static_cast<uint64_t>(status.st_size)};
  if (S_ISDIR(status.st_mode)) return {FileKind::kFolder, 0};
  return {FileKind::kOther, 0};
}

}  // namespace platform
