// Times reading the whole file of word meanings, as the first meaning shown
// reads it, and says how much memory it then takes.
//
//   meanings_bench FILE [RUNS]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "dictionary/meanings.h"

namespace {

constexpr int kDefaultRuns = 51;

double percentile(const std::vector<double>& sorted, double share) {
  return sorted[static_cast<size_t>(share * static_cast<double>(sorted.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: meanings_bench FILE [RUNS]\n");
    return 2;
  }
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : kDefaultRuns;
  std::vector<double> ms;
  size_t entries = 0;
  size_t bytes = 0;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    dictionary::Meanings meanings;
    if (!meanings.read(argv[1])) {
      std::fprintf(stderr, "cannot read %s\n", argv[1]);
      return 1;
    }
    const bool found = meanings.find("planes").has_value();
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    if (!found) std::fprintf(stderr, "no entry for planes\n");
    entries = meanings.size();
    bytes = meanings.bytesHeld();
  }
  std::sort(ms.begin(), ms.end());
  std::printf("%zu entries; read and indexed in %.2f ms (median of %d runs; quartiles %.2f to %.2f, most %.2f)\n",
              entries, percentile(ms, 0.5), runs, percentile(ms, 0.25), percentile(ms, 0.75), ms.back());
  std::printf("memory held: %zu bytes (%.0f KiB)\n", bytes, static_cast<double>(bytes) / 1024.0);
  return 0;
}
