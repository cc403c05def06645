#include "FPit37_2Prev.h"

#include "Config.h"
#include "FPit37.h"
#include "FPit37Prev.h"

namespace {

using namespace PrevRows;

// Section C: one row per source; 0 marks a cell the form leaves shaded (no costs or loss
// for pensions, no loss in the total).
struct TIncomeRow {
    const char* source;
    double h;
    int boxes[5];   // revenue, costs, income, loss, advance tax (taxpayer)
};

const TIncomeRow kIncome[] = {
    {"Wynagrodzenia i inne przychody ze stosunku służbowego, stosunku pracy, pracy nakładczej, spółdzielczego "
     "stosunku pracy, w tym zasiłki pieniężne z ubezpieczenia społecznego wypłacone przez zakład pracy",
     12, {39, 40, 41, 42, 43}},
    {"Emerytury – renty krajowe oraz inne świadczenia, o których mowa w art. 34 ust. 7 ustawy", 9, {44, 0, 45, 0, 46}},
    {"Działalność wykonywana osobiście, o której mowa w art. 13 ustawy (w tym umowy zlecenia i umowy o dzieło)",
     9.5, {47, 48, 49, 50, 51}},
    {"Prawa autorskie i inne prawa, o których mowa w art. 18 ustawy", 9, {52, 53, 54, 55, 56}},
    {"Inne źródła", 9, {57, 58, 59, 60, 61}},
};
const int kTotal[5] = {62, 63, 64, 0, 65};
constexpr int kSpouseShift = 27;   // spouse boxes follow the taxpayer's: 39 -> 66 ... 65 -> 92

// Columns: number 6..11, source 11..56, five amounts of 28 mm.
constexpr double kAmountX = 56, kAmountW = 28;

double addIncomeTable(TPrevItems& t, double y, const char* heading, int shift)
{
    t.push_back(PHead(6, y, 190, 4.5, heading, 7));
    y += 4.5;
    const char* heads[] = {"Przychód", "Koszty uzyskania przychodów", "Dochód\n(b – c)", "Strata\n(c – b)",
                           "Zaliczka pobrana przez płatnika"};
    constexpr quint8 head = pfFramed | pfShade | pfCentre | pfMiddle;
    t.push_back(PText(6, y, 50, 8, "Źródła przychodów", 6.5, head | pfBold));
    for (int k = 0; k < 5; ++k)
        t.push_back(PText(kAmountX + k * kAmountW, y, kAmountW, 8,
                          (QByteArray(heads[k]) + "\nzł, gr").constData(), 6, head));
    y += 8;
    const char* letters[] = {"a", "b", "c", "d", "e", "f"};
    t.push_back(PText(6, y, 50, 3, letters[0], 5.5, head));
    for (int k = 0; k < 5; ++k) t.push_back(PText(kAmountX + k * kAmountW, y, kAmountW, 3, letters[k + 1], 5.5, head));
    y += 3;

    auto amounts = [&](const int* boxes, double h) {
        for (int k = 0; k < 5; ++k) {
            const double x = kAmountX + k * kAmountW;
            if (boxes[k]) t.push_back(PAmount(boxes[k] + shift, x, y, kAmountW, h));
            else t.push_back(PFrame(x, y, kAmountW, h, pfShade));
        }
    };
    int row = 1;
    for (const TIncomeRow& r : kIncome) {
        t.push_back(PText(6, y, 5, r.h, QByteArray::number(row++).append('.').constData(), 6.5,
                          pfFramed | pfCentre | pfMiddle));
        t.push_back(PText(11, y, 45, r.h, r.source, 5.5, pfFramed | pfMiddle));
        amounts(r.boxes, r.h);
        y += r.h;
    }
    t.push_back(PText(6, y, 5, 8, "6.", 6.5, pfFramed | pfCentre | pfMiddle));
    t.push_back(PText(11, y, 45, 8, "Razem (suma kwot z wierszy od 1 do 5)", 6.5, pfFramed | pfMiddle | pfBold));
    amounts(kTotal, 8);
    return y + 8;
}

TPrevItems makeItems()
{
    TPrevItems t;
    t.push_back(PHead(6, 0, 190, 5, "C. DOCHODY (STRATY) PODATNIKA I MAŁŻONKA UZYSKANE ZA POŚREDNICTWEM PŁATNIKA"));
    double y = addIncomeTable(t, 5, "C.1. DOCHODY (STRATY) PODATNIKA", 0);
    y = addIncomeTable(t, y + 1, "C.2. DOCHODY (STRATY) MAŁŻONKA", kSpouseShift);

    y += 1;
    t.push_back(PHead(6, y, 190, 5, "D. ODLICZENIA OD DOCHODU"));
    y += 5;
    TwoColumnHead(t, y, 5.5);
    y += 5.5;
    TwoColumns(t, y, 8.5,
               "Składki na ubezpieczenia społeczne, o których mowa w art. 26 ust. 1 pkt 2 i 2a ustawy, "
               "nieprzekraczające kwoty z poz. 64 (podatnik) i poz. 91 (małżonek)",
               93, 94);
    y += 8.5;
    TwoColumns(t, y, 8.5,
               "w tym: składki zapłacone w innym państwie, o których mowa w art. 26 ust. 1 pkt 2a ustawy", 95, 96);
    y += 8.5;
    TwoColumns(t, y, 8.5,
               "Dochód po odliczeniu składek: podatnika (od kwoty z poz. 64 odjąć kwotę z poz. 93), "
               "małżonka (od kwoty z poz. 91 odjąć kwotę z poz. 94)",
               97, 98);
    y += 8.5;
    TwoColumns(t, y, 8.5,
               "Odliczenia od dochodu wykazane w części B załącznika PIT/O, nieprzekraczające kwoty z poz. 97 "
               "(podatnik) i poz. 98 (małżonek)",
               99, 100);
    y += 8.5;
    OneColumn(t, y, 8,
              "Ulga odsetkowa, o której mowa w przepisach ustawy, wykazana w części B.1 załącznika PIT/D, "
              "nieprzekraczająca sumy kwot z poz. 97 i 98 pomniejszonej o sumę kwot z poz. 99 i 100",
              101);
    y += 8;
    OneColumn(t, y, 8, "Wydatki mieszkaniowe wykazane w części B.3 załącznika PIT/D", 102);
    y += 8;
    OneColumn(t, y, 8, "w tym: kwota odliczana od dochodu w zeznaniu", 103);
    y += 8;
    OneColumn(t, y, 8, "kwota do odliczenia w latach następnych (od kwoty z poz. 102 odjąć kwotę z poz. 103)", 104);
    y += 8;

    t.push_back(PHead(6, y, 190, 5, "E. OBLICZENIE PODATKU"));
    y += 5;
    OneColumn(t, y, 8,
              "Dochód po odliczeniach (od sumy kwot z poz. 97 i 98 odjąć sumę kwot z poz. 99, 100, 101 i 103)", 105);
    y += 8;
    OneColumn(t, y, 8.5,
              "Podstawa obliczenia podatku: kwota z poz. 105, a w przypadku zaznaczenia w poz. 6 kwadratu nr 2, 3 "
              "lub 4 – 1/2 kwoty z poz. 105 (po zaokrągleniu do pełnych złotych)",
              106);
    y += 8.5;
    OneColumn(t, y, 8.5,
              "Podatek od podstawy obliczenia, obliczony zgodnie z art. 27 ust. 1 ustawy; w przypadku zaznaczenia "
              "w poz. 6 kwadratu nr 2, 3 lub 4 – dwukrotność tego podatku",
              107);
    y += 8.5;
    OneColumn(t, y, 8, "Kwoty zwiększające podatek (doliczenia do podatku)", 108);
    t.push_back(Pit37Footer(2));
    return t;
}

}  // namespace

TPit37_2Prev::TPit37_2Prev(QObject* parent) : TPrevPage(Items(), kPit37Margins, parent) {}

const TPrevItems& TPit37_2Prev::Items()
{
    static const TPrevItems items = makeItems();
    return items;
}

void TPit37_2Prev::ReportBeforePrint(const TPit37& m)
{
    ApplySettings(RunSettings());
    FillAmounts(*this, m);
}
