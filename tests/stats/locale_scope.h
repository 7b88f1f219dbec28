#pragma once
// Sets the locale variables for one test and puts the old values back.

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace stats_test {

class LocaleScope {
 public:
  /// nullopt leaves a variable unset.
  LocaleScope(const std::optional<std::string>& lcAll, const std::optional<std::string>& lcCtype,
              const std::optional<std::string>& lang) {
    set("LC_ALL", lcAll);
    set("LC_CTYPE", lcCtype);
    set("LANG", lang);
  }
  ~LocaleScope() {
    for (const auto& [name, value] : saved_) apply(name, value);
  }
  LocaleScope(const LocaleScope&) = delete;
  LocaleScope& operator=(const LocaleScope&) = delete;

 private:
  void set(const std::string& name, const std::optional<std::string>& value) {
    const char* old = std::getenv(name.c_str());
    saved_.emplace_back(name, old == nullptr ? std::nullopt : std::optional<std::string>(old));
    apply(name, value);
  }
  static void apply(const std::string& name, const std::optional<std::string>& value) {
#ifdef _WIN32
    // Windows' C library has no setenv; an empty value removes the variable.
    _putenv_s(name.c_str(), value ? value->c_str() : "");
#else
    if (value) {
      setenv(name.c_str(), value->c_str(), 1);
    } else {
      unsetenv(name.c_str());
    }
#endif
  }

  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

}  // namespace stats_test
