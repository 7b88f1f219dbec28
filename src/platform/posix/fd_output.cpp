#include "platform/posix/fd_output.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace platform {
namespace {

// A descriptor someone else set non-blocking refuses writes while the
// terminal is busy; wait in the kernel until it takes more.
bool waitWritable(int fd) {
  pollfd output{fd, POLLOUT, 0};
  int ready = ::poll(&output, 1, -1);
  return (ready > 0 && (output.revents & POLLOUT)) || (ready < 0 && errno == EINTR);
}

}  // namespace

int writeFully(int fd, const char* data, size_t size) {
  int savedErrno = errno;
  int error = 0;
  size_t done = 0;
  while (done < size && error == 0) {
    ssize_t n = ::write(fd, data + done, size - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
    } else if (n < 0 && (errno == EINTR || ((errno == EAGAIN || errno == EWOULDBLOCK) && waitWritable(fd)))) {
      continue;
    } else {
      error = n < 0 ? errno : EIO;  // a write of nothing would never end
    }
  }
  errno = savedErrno;
  return error;
}

}  // namespace platform
