#pragma once
// Sets or removes an environment variable for the length of a test and puts
// back what was there, so no test reads or writes the real user's state
// folder.

#include <cstdlib>
#include <optional>
#include <string>

namespace support {

class ScopedEnvironment {
 public:
  /// Sets name to value; without a value, removes name.
  explicit ScopedEnvironment(std::string name, const std::optional<std::string>& value = std::nullopt)
      : name_(std::move(name)) {
    if (const char* previous = std::getenv(name_.c_str())) previous_ = previous;
    if (value) {
      ::setenv(name_.c_str(), value->c_str(), 1);
    } else {
      ::unsetenv(name_.c_str());
    }
  }
  ~ScopedEnvironment() {
    if (previous_) {
      ::setenv(name_.c_str(), previous_->c_str(), 1);
    } else {
      ::unsetenv(name_.c_str());
    }
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string name_;
  std::optional<std::string> previous_;
};

}  // namespace support
