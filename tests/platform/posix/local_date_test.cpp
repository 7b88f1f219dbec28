#include "platform/local_date.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "support/scoped_environment.h"

namespace {

// Twenty-six hours apart, the two ends of the world's time zones never
// share a date: the date is the player's, not the machine's in UTC.
TEST(LocalDate, IsADateOfThePlayersTimeZone) {
  std::string east;
  std::string west;
  {
    support::ScopedEnvironment zone("TZ", "EAST-14");
    east = platform::localDate();
  }
  {
    support::ScopedEnvironment zone("TZ", "WEST+12");
    west = platform::localDate();
  }
  EXPECT_TRUE(std::regex_match(east, std::regex("20[0-9]{2}-[01][0-9]-[0-3][0-9]"))) << east;
  EXPECT_TRUE(std::regex_match(west, std::regex("20[0-9]{2}-[01][0-9]-[0-3][0-9]"))) << west;
  EXPECT_GT(east, west);
  platform::localDate();  // the zone as it was, for the tests after
}

}  // namespace
