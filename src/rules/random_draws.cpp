#include "rules/random_draws.h"

#include <cstdlib>

namespace rules {

namespace {

// One step of the SplitMix64 finaliser: every input bit reaches every
// output bit, so neighbouring codes and rounds get unrelated seeds.
uint64_t mix(uint64_t value) {
  value += 0x9e3779b97f4a7c15ULL;
  value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9ULL;
  value = (value ^ (value >> 27)) * 0x94d049bb133111ebULL;
  return value ^ (value >> 31);
}

}  // namespace

uint32_t RandomDraws::next() {
  if (engine_) return static_cast<uint32_t>((*engine_)());
  return static_cast<uint32_t>(std::rand());
}

// Byte by byte and with fixed-width arithmetic, so the seed is the same
// wherever the program is built.
uint32_t roundSeed(const std::string& code, uint32_t round, DrawStream stream) {
  uint64_t state = 0;
  for (const char c : code) state = mix(state ^ static_cast<unsigned char>(c));
  state = mix(state ^ (static_cast<uint64_t>(round) << 8) ^ static_cast<uint32_t>(stream));
  return static_cast<uint32_t>(state >> 32);
}

RandomDraws roundDraws(const std::string& code, uint32_t round, DrawStream stream) {
  if (code.empty()) return RandomDraws();
  return RandomDraws(roundSeed(code, round, stream));
}

}  // namespace rules
