#pragma once
// The window sizes the options dialog offers on a screen: every size whose window
// fits, in windowSize order. Plain C++.

#include <vector>

#include "config/words/word_keys.h"

namespace tavik::ui {

// windowSize values 1..5 that fit a screen of width x height pixels: "Large window"
// needs 1520 x 1020, "Average window 2" 1290 x 870, "Average window 1" 990 x 670;
// the small window and full screen always fit.
std::vector<int> WindowSizeChoices(int screenWidth, int screenHeight);

// The name of a size in the list ("Small window" ...).
words::WordKey WindowSizeWord(int windowSize);

}  // namespace tavik::ui
