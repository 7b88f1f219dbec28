#include "console/vt_presenter.h"

#include <algorithm>

namespace console {
namespace {

constexpr std::string_view kClearWindow = "\x1b[H\x1b[2J";

// A jump costs up to eight bytes, so unchanged cells shorter than that
// between two changes are sent again rather than jumped over.
constexpr int kLongestGapToResend = 8;

void appendCursorTo(std::string& out, int x, int y) {
  out += "\x1b[" + std::to_string(y + 1) + ';' + std::to_string(x + 1) + 'H';
}

bool sameCell(const ScreenGrid& a, const ScreenGrid& b, int x, int y) {
  return a.cell(x, y) == b.cell(x, y) && a.attributes(x, y) == b.attributes(x, y);
}

}  // namespace

std::string VtPresenter::update(const ScreenGrid& grid, bool whole) {
  std::string out;
  if (whole || !shownKnown_) {
    out += plainPen();
    out += kClearWindow;
    shown_ = ScreenGrid{};
    cursorX_ = cursorY_ = 0;
  }
  runs_.clear();
  for (int y = 0; y < ScreenGrid::kRows; ++y) {
    if (!grid.sameRow(shown_, y)) findRowChanges(grid, y);
  }
  while (!runs_.empty()) {
    size_t next = nextRunToSend(grid);
    appendCells(out, grid, runs_[next]);
    runs_.erase(runs_.begin() + static_cast<std::ptrdiff_t>(next));
  }
  if (!out.empty()) parkForOtherWriters(out);
  shown_ = grid;
  shownKnown_ = true;
  return out;
}

// Each line after the first goes to its row by a cursor jump, never a line
// end, which on the last row would scroll the first line out of sight.
std::string VtPresenter::message(std::string_view text) {
  shownKnown_ = false;
  cursorX_ = cursorY_ = -1;
  std::string out = plainPen();
  out += kClearWindow;
  int y = 0;
  for (size_t start = 0; start <= text.size(); ++y) {
    size_t end = std::min(text.find('\n', start), text.size());
    if (y > 0) appendCursorTo(out, 0, y);
    out.append(text.substr(start, end - start));
    start = end + 1;
  }
  return out;
}

void VtPresenter::parkForOtherWriters(std::string& out) {
  if (!sharing_) return;
  out += plainPen();
  const int lastRow = ScreenGrid::kRows - 1;
  if (cursorX_ != 0 || cursorY_ != lastRow) appendCursorTo(out, 0, lastRow);
  cursorX_ = 0;
  cursorY_ = lastRow;
}

std::string VtPresenter::plainPen() {
  std::string out = renditionChange(terminalAttributes_, CellAttributes{});
  terminalAttributes_ = CellAttributes{};
  return out;
}

void VtPresenter::appendAttributes(std::string& out, CellAttributes attributes) {
  if (!sendsAttributes_) return;
  out += renditionChange(terminalAttributes_, attributes);
  terminalAttributes_ = attributes;
}

// The first run, in reading order, that starts with the attributes the
// terminal draws with, one at the cursor first; failing that, the first.
size_t VtPresenter::nextRunToSend(const ScreenGrid& grid) const {
  if (!sendsAttributes_) return 0;
  size_t samePen = runs_.size();
  for (size_t i = 0; i < runs_.size(); ++i) {
    const Run& run = runs_[i];
    if (grid.attributes(run.fromX, run.y) != terminalAttributes_) continue;
    if (run.fromX == cursorX_ && run.y == cursorY_) return i;
    samePen = std::min(samePen, i);
  }
  return samePen < runs_.size() ? samePen : 0;
}

void VtPresenter::appendCells(std::string& out, const ScreenGrid& grid, const Run& run) {
  if (run.fromX != cursorX_ || run.y != cursorY_) appendCursorTo(out, run.fromX, run.y);
  for (int x = run.fromX; x < run.toX; ++x) {
    appendAttributes(out, grid.attributes(x, run.y));
    out += grid.cell(x, run.y);
  }
  bool wrapPending = run.toX == ScreenGrid::kColumns;
  cursorX_ = wrapPending ? -1 : run.toX;
  cursorY_ = wrapPending ? -1 : run.y;
}

// Each run of changed cells goes out after a jump to its first cell.
void VtPresenter::findRowChanges(const ScreenGrid& grid, int y) {
  int x = 0;
  while (x < ScreenGrid::kColumns) {
    if (sameCell(grid, shown_, x, y)) {
      ++x;
      continue;
    }
    int runEnd = x + 1;
    for (int gap = 0; runEnd + gap < ScreenGrid::kColumns && gap <= kLongestGapToResend;) {
      if (sameCell(grid, shown_, runEnd + gap, y)) {
        ++gap;
      } else {
        runEnd += gap + 1;
        gap = 0;
      }
    }
    runs_.push_back({y, x, runEnd});
    x = runEnd;
  }
}

}  // namespace console
