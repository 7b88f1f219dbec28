#include "lines/time_announcements.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace {

using lines::TimeAnnouncements;

// Every announcement of a round of lengthMs, polled every second: (ms passed, seconds left).
std::vector<std::pair<uint32_t, uint32_t>> announcementsOf(uint32_t lengthMs) {
  TimeAnnouncements announcements(lengthMs);
  std::vector<std::pair<uint32_t, uint32_t>> said;
  for (uint32_t ms = 0; ms <= lengthMs + 1000; ms += 1000) {
    if (auto left = announcements.take(ms)) said.emplace_back(ms, *left);
  }
  return said;
}

using Said = std::vector<std::pair<uint32_t, uint32_t>>;

TEST(TimeAnnouncements, AMinuteRoundSaysTheStartThirtyTenAndTheEnd) {
  EXPECT_EQ(announcementsOf(60000), (Said{{0, 60}, {30000, 30}, {50000, 10}, {60000, 0}}));
  EXPECT_EQ(announcementsOf(30000), (Said{{0, 30}, {20000, 10}, {30000, 0}}));
}

TEST(TimeAnnouncements, LongerRoundsSayEachWholeMinute) {
  EXPECT_EQ(announcementsOf(120000), (Said{{0, 120}, {60000, 60}, {90000, 30}, {110000, 10}, {120000, 0}}));
  EXPECT_EQ(announcementsOf(90000), (Said{{0, 90}, {30000, 60}, {60000, 30}, {80000, 10}, {90000, 0}}));
}

TEST(TimeAnnouncements, NeverTwoWithinTenSecondsAndTheEndAlwaysSaid) {
  for (uint32_t length : {15000U, 20000U, 45000U, 61000U, 300000U}) {
    const Said said = announcementsOf(length);
    ASSERT_FALSE(said.empty());
    EXPECT_EQ(said.back(), std::make_pair(length, 0U)) << length;
    for (size_t i = 1; i < said.size(); ++i) {
      EXPECT_GE(said[i].first - said[i - 1].first, lines::kQuietMs) << length << " at " << said[i].first;
    }
  }
}

TEST(TimeAnnouncements, OfSeveralDueOnlyTheLatestAndTheNextDueForTheWait) {
  TimeAnnouncements announcements(60000);
  EXPECT_EQ(announcements.nextDueMs(), 0U);
  EXPECT_EQ(announcements.take(0), 60U);
  EXPECT_EQ(announcements.nextDueMs(), 30000U);
  EXPECT_EQ(announcements.take(29999), std::nullopt);
  EXPECT_EQ(announcements.take(55000), 10U);
  EXPECT_EQ(announcements.take(70000), 0U);
  EXPECT_EQ(announcements.nextDueMs(), std::nullopt);
}

TEST(TimeAnnouncements, ARoundWithNoLimitSaysOnlyItsStart) {
  TimeAnnouncements announcements(0);
  EXPECT_TRUE(announcements.take(0).has_value());
  EXPECT_EQ(announcements.nextDueMs(), std::nullopt);
  EXPECT_EQ(announcements.take(1000000), std::nullopt);
}

}  // namespace
