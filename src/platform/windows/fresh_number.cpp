// rand_s, the system's random source, is declared only when asked for.
#define _CRT_RAND_S
#include "platform/fresh_number.h"

#include <windows.h>

#include <cstdlib>

namespace platform {
namespace {

// Eight bytes of the system's random source; 0 where it fails.
uint64_t randomSourceValue() {
  unsigned int high = 0;
  unsigned int low = 0;
  if (rand_s(&high) != 0 || rand_s(&low) != 0) return 0;
  return (static_cast<uint64_t>(high) << 32) | low;
}

}  // namespace

uint64_t freshNumber() {
  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  const uint64_t ticks = (static_cast<uint64_t>(now.dwHighDateTime) << 32 | now.dwLowDateTime) ^
                         static_cast<uint64_t>(counter.QuadPart);
  return randomSourceValue() ^ ticks ^ (static_cast<uint64_t>(GetCurrentProcessId()) << 40);
}

}  // namespace platform
