// Written for FreeBSD, DragonFly and NetBSD; not built or run by this
// project's CI. OpenBSD tells a program no path of its own: there the result
// is empty.
#include "platform/own_executable.h"

#include <sys/types.h>
// The BSDs' sys/sysctl.h needs sys/types.h before it.
#include <sys/sysctl.h>

#include <cstring>
#include <filesystem>
#include <system_error>

namespace platform {
namespace {

namespace fs = std::filesystem;

// With procfs mounted, the running program's file is named here.
constexpr const char* kProcfsLink = "/proc/curproc/file";
// Longer than any path the kernel hands out (PATH_MAX is 1024).
constexpr size_t kPathCapacity = 4096;

[[maybe_unused]] std::string readSysctlPath(int (&query)[4]) {
  std::string path(kPathCapacity, '\0');
  size_t size = path.size();
  if (sysctl(query, 4, path.data(), &size, nullptr, 0) != 0) return {};
  path.resize(std::strlen(path.c_str()));
  return path;
}

std::string askKernel() {
#if defined(__NetBSD__)
  int query[] = {CTL_KERN, KERN_PROC_ARGS, -1, KERN_PROC_PATHNAME};
  return readSysctlPath(query);
#elif defined(KERN_PROC_PATHNAME)
  int query[] = {CTL_KERN, KERN_PROC, KERN_PROC_PATHNAME, -1};
  return readSysctlPath(query);
#else
  return {};
#endif
}

std::string readProcfsLink() {
  std::error_code error;
  fs::path program = fs::read_symlink(kProcfsLink, error);
  return error ? std::string() : program.string();
}

}  // namespace

std::string ownExecutablePath() {
  std::string path = askKernel();
  if (path.empty()) path = readProcfsLink();
  if (path.empty()) return {};
  std::error_code error;
  fs::path resolved = fs::canonical(path, error);
  return error ? std::string() : resolved.string();
}

}  // namespace platform
