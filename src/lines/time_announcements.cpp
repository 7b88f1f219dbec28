#include "lines/time_announcements.h"

namespace lines {
namespace {

constexpr uint32_t kMinuteSeconds = 60;
constexpr uint32_t kLateMarks[] = {30, 10};

// Every point in seconds left, from the start down to 0.
std::vector<uint32_t> marksOf(uint32_t lengthSeconds) {
  std::vector<uint32_t> marks{lengthSeconds};
  uint32_t minute = (lengthSeconds - 1) / kMinuteSeconds * kMinuteSeconds;
  for (; minute >= kMinuteSeconds; minute -= kMinuteSeconds) marks.push_back(minute);
  for (uint32_t late : kLateMarks) {
    if (late < lengthSeconds) marks.push_back(late);
  }
  marks.push_back(0);
  return marks;
}

}  // namespace

TimeAnnouncements::TimeAnnouncements(uint32_t lengthMs) {
  dueMs_.push_back(0);
  secondsLeft_.push_back(lengthMs / 1000);
  if (lengthMs == 0) return;
  for (uint32_t left : marksOf(lengthMs / 1000)) {
    const uint32_t due = lengthMs - left * 1000;
    const bool last = left == 0;
    // The end is always said; a point too soon after the one before is not,
    // and one too soon before the end gives way to it.
    if (due - dueMs_.back() < kQuietMs && !last) continue;
    if (last && due - dueMs_.back() < kQuietMs && dueMs_.size() > 1) {
      dueMs_.pop_back();
      secondsLeft_.pop_back();
    }
    if (due == dueMs_.back()) continue;
    dueMs_.push_back(due);
    secondsLeft_.push_back(left);
  }
}

std::optional<uint32_t> TimeAnnouncements::take(uint32_t msPassed) {
  std::optional<uint32_t> said;
  while (next_ < dueMs_.size() && dueMs_[next_] <= msPassed) said = secondsLeft_[next_++];
  return said;
}

std::optional<uint32_t> TimeAnnouncements::nextDueMs() const {
  if (next_ >= dueMs_.size()) return std::nullopt;
  return dueMs_[next_];
}

}  // namespace lines
