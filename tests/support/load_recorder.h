#pragma once
// Records what a dictionary load tells, as the program would show it: the
// text as it is, each line ended as the console ends a line ("\r\n"), so
// tests read the bytes and the rows a player would see.

#include <string>
#include <string_view>

#include "dictionary/loader.h"
#include "support/screen_model.h"

namespace support {

class LoadRecorder : public dictionary::LoadObserver {
 public:
  void tell(std::string_view text) override { told_ += text; }
  void endLine() override { told_ += "\r\n"; }
  void showNow() override { ++showings_; }

  /// Everything told since this recorder was made.
  const std::string& output() const { return told_; }
  /// Row y of a screen that showed everything told.
  std::string row(int y) const {
    ScreenModel screen;
    screen.write(told_);
    return screen.row(y);
  }
  /// How many times the loader asked for what it told to show at once.
  int showings() const { return showings_; }

 private:
  std::string told_;
  int showings_ = 0;
};

}  // namespace support
