#pragma once
// Figures of the 2008 PIT-36L (flat-rate business income).

#include "Amount.h"

namespace StalePit36L {

// Flat rate of art. 30c ust. 1.
constexpr Amount kStawka = "0.19"_zl;

// Counts of financial statements and transfer-pricing reports (boxes 115, 116): 0 to this.
constexpr int kMaxLiczba = 99;

// PIT/ZG: the foreign-income record of part C.2 and its tax paid abroad.
constexpr int kPoleZagranicy = 30;
constexpr const char* kKolumnaPodatkuZagranicy = "P31";

}  // namespace StalePit36L
