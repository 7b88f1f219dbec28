#pragma once
// When a round says, unasked, how much time is left: at its start, at each
// whole minute left, at 30 and 10 seconds left and at its end, and never
// twice within kQuietMs, so that a screen reader is not kept talking. A
// value over the milliseconds passed, with no clock of its own.

#include <cstdint>
#include <optional>
#include <vector>

namespace lines {

constexpr uint32_t kQuietMs = 10000;

class TimeAnnouncements {
 public:
  /// For a round of lengthMs; 0 is a round with no limit, which says only
  /// that at its start.
  explicit TimeAnnouncements(uint32_t lengthMs);

  /// The seconds left to announce after msPassed, when an announcement
  /// has fallen due since the last one taken; of several due at once (the
  /// program was held up) only the latest is said.
  std::optional<uint32_t> take(uint32_t msPassed);
  /// When the next announcement falls due, in ms passed; none after the end.
  std::optional<uint32_t> nextDueMs() const;

 private:
  std::vector<uint32_t> dueMs_;  ///< in ms passed, rising
  std::vector<uint32_t> secondsLeft_;
  size_t next_ = 0;
};

}  // namespace lines
