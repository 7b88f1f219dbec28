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
    apply(value);
  }
  ~ScopedEnvironment() { apply(previous_); }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  void apply(const std::optional<std::string>& value) const {
#ifdef _WIN32
    // Windows' C library has no setenv; an empty value removes the variable.
    _putenv_s(name_.c_str(), value ? value->c_str() : "");
#else
    if (value) {
      ::setenv(name_.c_str(), value->c_str(), 1);
    } else {
      ::unsetenv(name_.c_str());
    }
#endif
  }

  std::string name_;
  std::optional<std::string> previous_;
};

}  // namespace support
