#pragma once
// Amounts the main declarations take from attachment tables at Load, read straight from the
// tables: the foreign-income attachments (PIT/ZG), the lost-deductions records and the
// business row of PIT/Z. Each reader answers 0 (or an empty row) when nothing is stored.

#include "Amount.h"
#include "Identyfikacja.h"

namespace ZrodlaDeklaracji {

// Boxes of the taxpayer-only forms (PIT-36L, PIT-38): NIP 1, surname 7 ... post office 20.
const TIdLayout& IdLayoutPodatnik();

// One typed column of PIT/ZG summed over the person's attachments 1..count.
Amount SumPitZG(int podatId, int person, int count, const char* column);

// PIT/ZG row 7 of part C.1 summed over the person's attachments 1..count: the income under
// art. 27 ust. 8 (box 27) and the tax paid abroad (box 29).
Amount SumPitZGIncome27(int podatId, int person, int count);
Amount SumPitZGTax29(int podatId, int person, int count);

// Deductions whose right was lost: business part and agricultural part.
struct TUtrata {
    Amount gosp;
    Amount rol;
};
TUtrata ReadUtrata(int podatId, int person);

// The PIT/Z figures a main declaration takes for its business row.
struct TPitZRow {
    bool found = false;
    Amount p19, p20, p21, p22, p23;   // part B.4
    Amount p33, p34, p35, p36;        // part C.3
};
TPitZRow ReadPitZ(int podatId, int person);

// PIT/M of the person: the children's income (box 30) and advances (box 31) that go to the
// parent's return - halved when the income belongs to both parents. Read from the table until
// the PIT/M model offers them.
struct TPitMSumy {
    Amount income, advance;
};
TPitMSumy ReadPitM(int podatId, int person);

// PIT/B revenue and costs totals of the person's attachments 1..count (the person's own
// parts: B.1, B.2 and the shares of C.1 to C.3). Read from the table until the data module
// offers SumPitBIncome/SumPitBCosts.
Amount SumPitBRevenue(int podatId, int person, int count);
Amount SumPitBCosts(int podatId, int person, int count);

}  // namespace ZrodlaDeklaracji
