#pragma once
// Where each PIT-37 box goes on the official 2008 sheet (millimetres from the top-left
// corner). Entries 141..151 are the check squares without a box number of their own:
// 141..144 box 6 squares 1..4, 145, 146 box 10 squares 1, 2, 147, 148 box 135 squares 1, 2,
// 149..151 box 136 squares 1..3. An entry (0, 0) is never printed.

#include "FPrn.h"

constexpr int Pit37WspCount = 151;

const TWspTable& Pit37Wsp();
