#pragma once
// The terminal behind the key fuzzer: it types a script of timed bytes,
// keeps a virtual clock that moves only when the program sleeps or waits for
// a key, and keeps what the program shows: its lines, then its screen grid.
// Each time the program waits for a key, and each time it tests the keys or
// sleeps after showing something new, it hands the screen to an observer,
// which checks the game at that moment. The checks look at what the player
// sees: a wait after nothing new was shown would look at the same screen.
//
// The fuzzer's bytes become the script: each byte is a key typed at the
// current moment, except kPauseByte, which with the byte after it moves the
// moment later. The pauses of one script add up to at most kLongestScriptMs,
// so no input plays for long.

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "console/screen_grid.h"
#include "console/terminal.h"

namespace fuzz {

constexpr uint8_t kPauseByte = 0xff;
constexpr uint32_t kPauseStepMs = 250;  ///< the byte after kPauseByte pauses (byte + 1) steps
constexpr uint32_t kLongestScriptMs = 3 * 60 * 1000;

struct TypedByte {
  uint32_t atMs;
  uint8_t byte;
};

/// The script the fuzzer's bytes stand for, in time order.
std::vector<TypedByte> keyScript(const uint8_t* data, size_t size);

class FuzzTerminal : public console::Terminal {
 public:
  /// Sees the screen at every blocking key read, and at every other key read,
  /// key test and sleep that follows something newly shown; waitsForKey
  /// tells that the program blocks for a key typed later.
  using Observer = std::function<void(const console::ScreenGrid& screen, bool waitsForKey)>;

  /// Installs the terminal behind the console operations; the destructor
  /// puts the previous one back.
  FuzzTerminal(std::vector<TypedByte> script, Observer observer);
  ~FuzzTerminal() override;
  FuzzTerminal(const FuzzTerminal&) = delete;
  FuzzTerminal& operator=(const FuzzTerminal&) = delete;

  int readByte() override;
  int readByteWithin(uint32_t ms) override;
  int readByteFor(uint32_t ms) override;
  bool byteWaiting() override;
  uint32_t nowMs() override { return now_; }
  void sleepMs(uint32_t ms) override;
  void writeText(std::string_view bytes) override {
    lines_.write(bytes);
    show(lines_);
  }
  void beginFullScreen() override {}
  // The console's grid outlives every present: it is looked at, not copied.
  void present(const console::ScreenGrid& grid, bool) override { show(grid); }
  void showMessage(std::string_view text) override {
    lines_.clear();
    lines_.write(text);
    show(lines_);
  }

 private:
  void show(const console::ScreenGrid& screen) {
    screen_ = &screen;
    shownSinceCheck_ = true;
  }
  void observe(bool waitsForKey);
  bool nextByteIsLater(uint32_t ms) const {
    return next_ < script_.size() && script_[next_].atMs > now_ + ms;
  }
  int takeByte();

  std::vector<TypedByte> script_;
  size_t next_ = 0;
  uint32_t now_ = 0;
  Observer observer_;
  console::Terminal* previousTerminal_;
  console::ScreenGrid lines_;  // what was written before the screen, or a message
  const console::ScreenGrid* screen_ = &lines_;
  bool shownSinceCheck_ = true;
};

}  // namespace fuzz
