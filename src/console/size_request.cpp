#include "console/size_request.h"

#include <algorithm>
#include <vector>

#include "console/console.h"

namespace console {
namespace {

// Lines of at most a width, filled word by word.
class LineFiller {
 public:
  explicit LineFiller(size_t width) : width_(width) {}

  void add(std::string_view word) {
    while (!word.empty()) {
      if (line_.empty()) {
        size_t taken = std::min(word.size(), width_);
        line_.assign(word.substr(0, taken));
        word.remove_prefix(taken);
        if (!word.empty()) endLine();
      } else if (line_.size() + 1 + word.size() <= width_) {
        line_.append(1, ' ').append(word);
        word = {};
      } else {
        endLine();
      }
    }
  }

  std::vector<std::string> finish() {
    if (!line_.empty()) endLine();
    return std::move(lines_);
  }

 private:
  void endLine() {
    lines_.push_back(std::move(line_));
    line_.clear();
  }

  size_t width_;
  std::string line_;
  std::vector<std::string> lines_;
};

}  // namespace

std::string sizeRequest(uint16_t columns, uint16_t rows) {
  return "Quillop needs a terminal of at least " + std::to_string(kScreenColumns) + 'x' +
         std::to_string(kScreenRows) + "; this one is " + std::to_string(columns) + 'x' +
         std::to_string(rows) + ". Enlarge it and press a key, or press q to quit.";
}

std::string layOutForWindow(std::string_view text, uint16_t columns, uint16_t rows) {
  LineFiller filler(std::max<size_t>(columns, 1));
  for (size_t start = 0; start < text.size();) {
    size_t end = std::min(text.find(' ', start), text.size());
    filler.add(text.substr(start, end - start));
    start = end + 1;
  }
  std::vector<std::string> lines = filler.finish();
  std::string laidOut;
  for (size_t i = 0; i < lines.size() && i < rows; ++i) {
    if (i > 0) laidOut += '\n';
    laidOut += lines[i];
  }
  return laidOut;
}

}  // namespace console
