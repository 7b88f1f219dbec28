// Which bar cells a Windows output shows, by where the output goes and the
// console's code page, whatever the locale variables say.
#include "platform/windows/unicode_cells.h"

#include <gtest/gtest.h>

namespace {

using console::UnicodeCells;
using platform::windowsUnicodeCells;

TEST(WindowsUnicodeCells, AConsoleShowsTheSquareExceptUnderADoubleByteCodePage) {
  for (unsigned codePage : {437u, 850u, 1252u, 65001u}) {
    EXPECT_EQ(windowsUnicodeCells(true, codePage), UnicodeCells::kShown) << codePage;
  }
  for (unsigned codePage : {932u, 936u, 949u, 950u}) {
    EXPECT_EQ(windowsUnicodeCells(true, codePage), UnicodeCells::kNotShown) << codePage;
  }
}

TEST(WindowsUnicodeCells, APipeOrAFileGetsTheSquareInUtf8WhateverTheCodePage) {
  for (unsigned codePage : {437u, 932u, 65001u}) {
    EXPECT_EQ(windowsUnicodeCells(false, codePage), UnicodeCells::kShown) << codePage;
  }
}

}  // namespace
