#pragma once
// Sets the locale variables for one test and puts the old values back.

#include <optional>
#include <string>

#include "support/scoped_environment.h"

namespace stats_test {

class LocaleScope {
 public:
  /// nullopt leaves a variable unset.
  LocaleScope(const std::optional<std::string>& lcAll, const std::optional<std::string>& lcCtype,
              const std::optional<std::string>& lang)
      : lcAll_("LC_ALL", lcAll), lcCtype_("LC_CTYPE", lcCtype), lang_("LANG", lang) {}

 private:
  support::ScopedEnvironment lcAll_;
  support::ScopedEnvironment lcCtype_;
  support::ScopedEnvironment lang_;
};

}  // namespace stats_test
