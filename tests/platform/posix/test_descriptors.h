#pragma once
// Stand-ins for standard input and output in the console tests: a pipe, a
// socket that keeps every write apart (to count writes), and a
// pseudo-terminal whose other side plays the user and the screen.

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace console_test {

// Two connected descriptors; each is closed once, at the latest when the
// object goes.
class DescriptorPair {
 public:
  DescriptorPair() = default;
  ~DescriptorPair() {
    close(0);
    close(1);
  }
  DescriptorPair(const DescriptorPair&) = delete;
  DescriptorPair& operator=(const DescriptorPair&) = delete;

  bool ready() const { return fds_[0] >= 0 && fds_[1] >= 0; }
  int fd(size_t end) const { return fds_[end]; }
  void close(size_t end) {
    if (fds_[end] >= 0) ::close(fds_[end]);
    fds_[end] = -1;
  }

 protected:
  std::array<int, 2> fds_{-1, -1};
};

class Pipe : public DescriptorPair {
 public:
  Pipe() { (void)!::pipe(fds_.data()); }
  int readEnd() const { return fd(0); }
  int writeEnd() const { return fd(1); }
  void closeReadEnd() { close(0); }
  void closeWriteEnd() { close(1); }
};

// A socket pair that delivers each write as a message of its own.
class MessageSockets : public DescriptorPair {
 public:
  MessageSockets() { (void)!::socketpair(AF_UNIX, SOCK_SEQPACKET, 0, fds_.data()); }
  int sendingEnd() const { return fd(0); }
  int receivingEnd() const { return fd(1); }
};

/// Everything that arrives on fd until it has been quiet for quietMs.
inline std::string readArrived(int fd, int quietMs) {
  std::string arrived;
  pollfd input{fd, POLLIN, 0};
  char chunk[4096];
  while (::poll(&input, 1, quietMs) > 0 && (input.revents & POLLIN)) {
    ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n <= 0) break;
    arrived.append(chunk, static_cast<size_t>(n));
  }
  return arrived;
}

/// Each write made to the sending end so far, one string per write.
inline std::vector<std::string> writesArrived(int fd) {
  std::vector<std::string> writes;
  pollfd input{fd, POLLIN, 0};
  static char message[1 << 17];
  while (::poll(&input, 1, 0) > 0 && (input.revents & POLLIN)) {
    ssize_t n = ::recv(fd, message, sizeof message, 0);
    if (n <= 0) break;
    writes.emplace_back(message, static_cast<size_t>(n));
  }
  return writes;
}

class PseudoTerminal {
 public:
  PseudoTerminal() {
    user_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (user_ < 0 || ::grantpt(user_) != 0 || ::unlockpt(user_) != 0) return;
    program_ = ::open(::ptsname(user_), O_RDWR | O_NOCTTY);
  }
  ~PseudoTerminal() {
    hangUp();
    if (program_ >= 0) ::close(program_);
  }
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  bool ready() const { return user_ >= 0 && program_ >= 0; }
  /// The side the program reads keys from and draws on.
  int program() const { return program_; }
  termios modes() const {
    termios modes{};
    ::tcgetattr(program_, &modes);
    return modes;
  }
  void type(std::string_view keys) { (void)!::write(user_, keys.data(), keys.size()); }
  /// What the program has shown since the last call.
  std::string shown() { return readArrived(user_, kQuietMs); }
  /// The user's side goes away, as when a terminal window is closed.
  void hangUp() {
    if (user_ >= 0) ::close(user_);
    user_ = -1;
  }

 private:
  // Output reaches the user's side asynchronously; this long without a byte
  // means the program has shown all it wrote.
  static constexpr int kQuietMs = 50;
  int user_ = -1;
  int program_ = -1;
};

inline bool sameModes(const termios& a, const termios& b) {
  return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
         a.c_lflag == b.c_lflag &&
         std::string_view(reinterpret_cast<const char*>(a.c_cc), NCCS) ==
             std::string_view(reinterpret_cast<const char*>(b.c_cc), NCCS);
}

}  // namespace console_test
