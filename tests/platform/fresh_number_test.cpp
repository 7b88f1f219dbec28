#include "platform/fresh_number.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Read back to back, in one run, the numbers still differ: new games
// started at once get codes of their own.
TEST(FreshNumber, NumbersReadBackToBackDiffer) {
  std::set<uint64_t> seen;
  for (int i = 0; i < 16; ++i) seen.insert(platform::freshNumber());
  EXPECT_EQ(seen.size(), 16U);
}

}  // namespace
