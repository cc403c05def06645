#include "FPitZ.h"

#include "FDM.h"

namespace {

using D = TDruk;

constexpr TBoxDef kBoxes[] = {
    // B.1 all business activity, B.2 not exempt, B.3 exempt: revenue, costs, income, loss
    Typed(7, "P7"), Typed(8, "P8"), Derived(9, D::NonZero), Derived(10, D::NonZero),
    Typed(11, "P11"), Typed(12, "P12"), Derived(13, D::NonZero), Derived(14, D::NonZero),
    Typed(15, "P15"), Typed(16, "P16"), Derived(17, D::NonZero), Derived(18, D::NonZero),
    // B.4
    Derived(19, D::Custom), Derived(20, D::Custom), Derived(21, D::Positive), Derived(22, D::Positive),
    Derived(23, D::Positive),
    // C.1 revenue, costs, income, loss
    Typed(24, "P24"), Typed(25, "P25"), Derived(26, D::Positive), Derived(27, D::Positive),
    // C.2 year, 20 % of that year's income, loss after the add-back, income to add, income after
    Derived(28, D::Positive), Typed(29, "P29"), Derived(30, D::Custom), Derived(31, D::Custom),
    Derived(32, D::Custom),
    // C.3
    Derived(33, D::Positive), Derived(34, D::Positive), Derived(35, D::Positive), Derived(36, D::Positive),
};

constexpr int kStoredDerived[] = {19, 20, 21, 22, 23, 33, 34, 35, 36};

const TZalacznikDef kDef{&TDM::PitZ, false};

QString column(int box) { return QStringLiteral("P") + QString::number(box); }

}  // namespace

TPitZ::TPitZ() : TZalacznik(kBoxes, fkPitZ, kDef, OsobaLayout(1, 3, 4, 5, 6)) { Clear(); }

void TPitZ::Clear()
{
    TZalacznik::Clear();
    rok_ = 0;
}

QString TPitZ::Caption() const { return QStringLiteral("PIT/Z") + CaptionName(); }

void TPitZ::SetRok(int year)
{
    if (year == rok_ || (year != 0 && year <= 2001)) return;
    rok_ = year;
    if (!suspendCalc_) Calculate();
}

void TPitZ::InsertPitBTotals(int firstBox)
{
    if (firstBox != 7 && firstBox != 24) return;
    // As if typed: the boxes are filled, also with a total of 0.
    const Amount revenue = DM()->SumPitBIncome(PodatId, Osoba, 0);
    const Amount costs = DM()->SumPitBCosts(PodatId, Osoba, 0);
    SetEmpty(firstBox, false);
    SetEmpty(firstBox + 1, false);
    SetField(firstBox, revenue);
    SetField(firstBox + 1, costs);
}

bool TPitZ::AcceptField(int box, Amount&) { return !InCzescB(box) || HasCzescB(); }

bool TPitZ::LoadsBox(int box) const { return !InCzescB(box) || HasCzescB(); }
bool TPitZ::SavesBox(int box) const { return !InCzescB(box) || HasCzescB(); }

void TPitZ::LoadRow(const TTable* row)
{
    const int year = row->asInt(QStringLiteral("P28"));
    if (year == 0 || year > 2001) rok_ = year;
}

void TPitZ::SaveRow(TTable* row) const
{
    for (int b : kStoredDerived) {
        if (InCzescB(b) && !HasCzescB()) row->setNull(column(b));
        else row->setAmount(column(b), GetPole(b));
    }
    if (!HasCzescB())
        for (int b : {7, 8, 11, 12, 15, 16}) row->setNull(column(b));
    if (rok_ > 0) row->setValue(QStringLiteral("P28"), rok_);
    else row->setNull(QStringLiteral("P28"));
}

void TPitZ::Calculate()
{
    set(9, PositivePart(p(7), p(8)));
    set(10, PositivePart(p(8), p(7)));
    set(13, PositivePart(p(11), p(12)));
    set(14, PositivePart(p(12), p(11)));
    set(17, PositivePart(p(15), p(16)));
    set(18, PositivePart(p(16), p(15)));
    set(19, p(7));
    set(20, p(8));
    set(21, p(13));
    set(22, p(14) + p(18));
    set(23, p(17));
    set(26, PositivePart(p(24), p(25)));
    set(27, PositivePart(p(25), p(24)));
    set(28, Amount::zloty(rok_));
    set(30, PositivePart(p(27), p(29)));
    set(31, PositivePart(p(29), p(27)));
    set(32, p(26) + p(31));
    set(33, p(24));
    set(34, p(25));
    set(35, p(32));
    set(36, p(30));
}

bool TPitZ::pairHasData(int revenue, int costs) const
{
    return !GetPole(revenue).isZero() || !GetPole(costs).isZero() || !GetEmpty(revenue) || !GetEmpty(costs);
}

bool TPitZ::DrukCustom(int box) const
{
    switch (box) {
    case 19:
    case 20: return pairHasData(7, 8) || pairHasData(11, 12) || pairHasData(15, 16);
    default: return GetDruk(29);   // 30, 31, 32 go with box 29
    }
}

void TPitZ::Verify() const
{
    DM()->ClearErrors();
    VerifyOsoba(pcNone);
}

bool TPitZ::ReadWiersz(int podatId, int person, bool fallback, TWiersz* out)
{
    *out = TWiersz{};
    TTable* t = DM()->PitZ;
    t->ensureOpen();
    QStringList cols;
    for (int b : kStoredDerived) cols << column(b);
    const auto rows = t->select(QStringLiteral("PodatId = ? AND Rodz = ?"), {podatId, RodzCode(person)}, cols);
    if (rows.isEmpty()) return false;
    const auto& r = rows[0];
    auto at = [&](int i) { return r[i].isNull() ? Amount() : r[i].value<Amount>(); };
    // columns: 19 20 21 22 23 | 33 34 35 36
    *out = {at(5), at(6), at(7), at(8), Amount()};
    if (fallback && out->Przychod.isZero() && out->Koszty.isZero()) *out = {at(0), at(1), at(2), at(3), at(4)};
    return true;
}
