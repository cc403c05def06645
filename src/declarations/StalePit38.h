#pragma once
// Figures of the 2008 PIT-38 (capital gains of art. 30b).

#include "Amount.h"

namespace StalePit38 {

// The typed rate (box 31) is a percentage below this.
constexpr Amount kGranicaStawki = "100.00"_zl;

// PIT/ZG: the foreign-income record of part C.3 and the tax paid abroad of part C.3.
constexpr int kPoleZagranicy = 32;
constexpr const char* kKolumnaPodatkuZagranicy = "P33";

}  // namespace StalePit38
