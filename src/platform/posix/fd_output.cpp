#include "platform/posix/fd_output.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace console {
namespace {

// A descriptor someone else set non-blocking refuses writes while the
// terminal is busy; wait in the kernel until it takes more.
bool waitWritable(int fd) {
  pollfd output{fd, POLLOUT, 0};
  int ready = ::poll(&output, 1, -1);
  return (ready > 0 && (output.revents & POLLOUT)) || (ready < 0 && errno == EINTR);
}

}  // namespace

void writeFully(int fd, const char* data, size_t size) {
  int savedErrno = errno;
  size_t done = 0;
  while (done < size) {
    ssize_t n = ::write(fd, data + done, size - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
    } else if (n < 0 && (errno == EINTR || ((errno == EAGAIN || errno == EWOULDBLOCK) && waitWritable(fd)))) {
      continue;
    } else {
      break;
    }
  }
  errno = savedErrno;
}

}  // namespace console
