#pragma once
// Figures of the 2008 PIT-36 (scale tax with business, rental, foreign income ...).

#include "Amount.h"

namespace StalePit36 {

// Joint filers and single parents are taxed on half the income, and the tax is doubled.
constexpr int kDzielnikWspolny = 2;

// Years of boxes 43, 44: 0 or above this.
constexpr int kRokOd = 2000;
// Counts of boxes 320 to 322: below this.
constexpr int kLiczbaDo = 100;

// Income rows that carry a foreign part, and their PIT/ZG foreign-income records (art. 27
// ust. 9 and 9a): rows 1, 3, 5, 6, 7, 8.
constexpr int kWierszeZagraniczne = 6;
constexpr int kPolaZagranicy[kWierszeZagraniczne] = {10, 13, 16, 19, 22, 25};
// Business row among them (row 3).
constexpr int kWierszGospodarczy = 1;

}  // namespace StalePit36
