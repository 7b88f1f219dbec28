#include "platform/fresh_number.h"

#include <fcntl.h>
#include <time.h>
#include <unistd.h>

namespace platform {
namespace {

// Eight bytes of the kernel's random source; 0 where it cannot be read.
uint64_t randomSourceValue() {
  uint64_t value = 0;
  int fd = ::open("/dev/urandom", O_RDONLY | O_CLOEXEC);
  if (fd < 0) return 0;
  if (::read(fd, &value, sizeof value) != static_cast<ssize_t>(sizeof value)) value = 0;
  ::close(fd);
  return value;
}

}  // namespace

uint64_t freshNumber() {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  const auto ticks = static_cast<uint64_t>(now.tv_sec) * 1000000000ULL + static_cast<uint64_t>(now.tv_nsec);
  return randomSourceValue() ^ ticks ^ (static_cast<uint64_t>(::getpid()) << 40);
}

}  // namespace platform
