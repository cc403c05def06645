#pragma once
// Figures of the 2008 PIT-37 and of the attachments filed with it (PIT/O, PIT/D).
// The tax scale itself (thresholds, rates, reduction) is ScaleTax in Globals.

#include "Amount.h"

namespace StalePit37 {

// Joint filers and single parents are taxed on half the income, and the tax is doubled.
constexpr int kDzielnikWspolny = 2;

// Highest number of residence certificates (box 134).
constexpr int kMaxCertyfikat = 2;

}  // namespace StalePit37

namespace StalePitO {

// Internet use at home (boxes 21, 22): the most a person may deduct.
constexpr Amount kLimitInternet = "760.00"_zl;
// Child relief (boxes 35, 36): the most per child for the year.
constexpr Amount kUlgaNaDziecko = "1173.70"_zl;
// Rehabilitation: medicines count above this amount a month; the guide, guide dog and
// car items count up to the limit each.
constexpr Amount kLekiProgMiesieczny = "100.00"_zl;
constexpr Amount kLimitRehabilitacji = "2280.00"_zl;
// Number of children that box 34 accepts.
constexpr int kMaxDzieci = 99;
// Children listed in part E.
constexpr int kDzieci = 5;

}  // namespace StalePitO

namespace StalePitD {

// Housing savings bank (box 49): the most that may be deducted.
constexpr Amount kLimitKasaMieszkaniowa = "11340.00"_zl;
// Split of a total between spouses: sub-grosz differences are not reported.
constexpr Amount kTolerancjaPodzialu = "0.001"_zl;

}  // namespace StalePitD

namespace StalePit37Koszty {

// Employee costs of earning revenue for the year (boxes 40 and 67): local standard, local
// raised (several employers), commuting standard, commuting raised.
constexpr Amount kMiejscowe = "1335.00"_zl;
constexpr Amount kMiejscowePodwyzszone = "2002.05"_zl;
constexpr Amount kDojezdzajace = "1668.72"_zl;
constexpr Amount kDojezdzajacePodwyzszone = "2502.56"_zl;

}  // namespace StalePit37Koszty
