#include "platform/local_date.h"

#include <ctime>

namespace platform {

std::string localDate() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_s(&local, &now) != 0) return {};
  char date[sizeof "YYYY-MM-DD"] = {};
  if (std::strftime(date, sizeof date, "%Y-%m-%d", &local) == 0) return {};
  return date;
}

}  // namespace platform
