// POSIX names are bytes, kept and handed to the system as they are.

#include "platform/file_names.h"

namespace platform {

std::filesystem::path pathOfName(const std::string& name) { return name; }

std::string nameOfPath(const std::filesystem::path& path) { return path.string(); }

}  // namespace platform
