#include "platform/durable_files.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/scoped_environment.h"

namespace {

TEST(StateFolder, FromXdgStateHomeOrElseHome) {
  struct Case {
    std::optional<std::string> stateHome;
    std::optional<std::string> home;
    std::string folder;
  };
  for (const Case& c :
       {Case{"/x/state", "/u/p", "/x/state/quillop"}, Case{"", "/u/p", "/u/p/.local/state/quillop"},
        Case{std::nullopt, "/u/p", "/u/p/.local/state/quillop"},
        Case{"relative/state", "/u/p", "/u/p/.local/state/quillop"}, Case{"", "", ""},
        Case{std::nullopt, "relhome", ""}, Case{"relative/state", "./u/p", ""},
        Case{std::nullopt, std::nullopt, ""}}) {
    support::ScopedEnvironment stateHome("XDG_STATE_HOME", c.stateHome);
    support::ScopedEnvironment home("HOME", c.home);
    EXPECT_EQ(platform::stateFolder(), c.folder) << c.stateHome.value_or("(unset)");
  }
}

}  // namespace
