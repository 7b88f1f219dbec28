#pragma once
// Eight bytes handled as one 64-bit value, so that the line splitter and the
// word filter test a group of bytes at once instead of branching on each.
// The value holds the first byte in memory in its lowest bits on every
// machine. A lane is one byte's place in the value; a flag is the high bit
// of a lane. Every flag set here is exact: no lane is flagged because of
// what its neighbour holds.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace dictionary {

constexpr size_t kLanes = 8;
constexpr uint64_t kLowBitOfEveryLane = 0x0101010101010101;
constexpr uint64_t kFlagOfEveryLane = 0x8080808080808080;

inline uint64_t loadEightBytes(const char* bytes) {
  uint64_t value = 0;
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(&value, bytes, sizeof value);
  } else {
    for (size_t lane = kLanes; lane-- > 0;) value = value << 8 | static_cast<unsigned char>(bytes[lane]);
  }
  return value;
}

inline void storeEightBytes(char* bytes, uint64_t value) {
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(bytes, &value, sizeof value);
  } else {
    for (size_t lane = 0; lane < kLanes; ++lane, value >>= 8) bytes[lane] = static_cast<char>(value & 0xFF);
  }
}

constexpr uint64_t inEveryLane(unsigned char byte) { return kLowBitOfEveryLane * byte; }

/// Flags the lanes whose byte is below limit (at most 128). Setting each
/// lane's high bit before subtracting keeps borrows inside the lane.
constexpr uint64_t lanesBelow(uint64_t value, unsigned char limit) {
  return ~(((value | kFlagOfEveryLane) - inEveryLane(limit)) | value) & kFlagOfEveryLane;
}

constexpr uint64_t lanesEqualTo(uint64_t value, unsigned char byte) {
  return lanesBelow(value ^ inEveryLane(byte), 1);
}

/// Every bit of lanes 0 to count - 1, for count 0 to 7.
constexpr uint64_t leadingLanes(size_t count) { return (uint64_t{1} << (8 * count)) - 1; }

/// The flagged lanes as one bit each, lane 0 lowest. The multiplication
/// moves each lane's flag to its own bit of the top lane, with no carries.
constexpr size_t flaggedLaneSet(uint64_t flags) {
  return static_cast<size_t>(((flags >> 7) * 0x0102040810204080) >> 56);
}

}  // namespace dictionary
