#include "platform/local_date.h"

#include <time.h>

namespace platform {

// The time zone is looked at on every call (localtime_r alone need not),
// so a date asked for after TZ changed follows it.
std::string localDate() {
  ::tzset();
  const time_t now = ::time(nullptr);
  tm local{};
  if (::localtime_r(&now, &local) == nullptr) return {};
  char date[sizeof "YYYY-MM-DD"] = {};
  if (::strftime(date, sizeof date, "%Y-%m-%d", &local) == 0) return {};
  return date;
}

}  // namespace platform
