#include "FPit38.h"

#include "FDM.h"
#include "StalePit38.h"
#include "ZrodlaDeklaracji.h"

namespace {

using D = TDruk;
constexpr quint8 K = bfKeptApart;
constexpr BoxShow W = BoxShow::Whole;

// Every amount box of the form, in form order.
constexpr TBoxDef kBoxes[] = {
    // C. revenue, costs, income: row 1 (PIT-8C part E), row 2 (other, with PIT/ZG), row 3 totals
    Typed(21, "P21"), Typed(22, "P22"), Typed(23, "P23", D::Custom, K), Typed(24, "P24", D::Custom, K),
    Derived(25, D::Custom), Derived(26, D::Custom), Derived(27, D::NonZero), Derived(28, D::NonZero),
    // D. tax base and tax of art. 30b
    Typed(29, "P29", D::Filled, K), Derived(30, D::Always, W), Typed(31, "P31"), Derived(32, D::Always),
    Derived(33, D::Custom), Typed(34, "P34"), Derived(35, D::Always, W), Derived(36, D::Always, W),
    // E. flat-rate taxes settled in the return
    Typed(37, "P37"), Typed(38, "P38"), Typed(39, "P39"), Typed(40, "P40", D::Filled, K), Typed(41, "P41"),
    Derived(42, D::Custom), Derived(43, D::Custom),
    // F. to pay, overpaid
    Derived(44, D::Always), Derived(45, D::Always),
    // G. monthly flat-rate tax of art. 44 ust. 1b
    Typed(46, "P46"), Typed(47, "P47"), Typed(48, "P48"), Typed(49, "P49"), Typed(50, "P50"), Typed(51, "P51"),
    Typed(52, "P52"), Typed(53, "P53"), Typed(54, "P54"), Typed(55, "P55"), Typed(56, "P56"), Typed(57, "P57"),
    // H. 1% for an organisation of public benefit
    Typed(60, "KwotaOPP"),
    // K. numbers of attachments: NIP-3, PIT/ZG
    Derived(64, D::Positive), Derived(65, D::Positive),
};

const TDeklaracjaDef kDef{
    &TDM::Pit38,
    {"P6_1", "P6_2"},
    {58, 59, 60},
    TIdVerifyRules{5, 0, false, false, {0, 0}},
};

TIdOptions idOptions()
{
    TIdOptions o;
    o.hasSpouse = false;
    return o;
}

}  // namespace

TPit38::TPit38()
    : TDeklaracja(kBoxes, fkPit38, kDef, ZrodlaDeklaracji::IdLayoutPodatnik(), idOptions())
{
    Clear();
}

void TPit38::Clear()
{
    TDeklaracja::Clear();
    foreignIncome_ = foreignCosts_ = foreignTax_ = Amount();
    P61.clear();
    P62.clear();
    P63 = false;
}

bool TPit38::Load(int podatId)
{
    if (!TDeklaracja::Load(podatId)) return false;
    // The foreign part alone makes the other-revenue boxes filled.
    if (!foreignIncome_.isZero()) SetEmpty(23, false);
    if (!foreignCosts_.isZero()) SetEmpty(24, false);
    return true;
}

bool TPit38::HasOpp() const { return TDeklaracja::HasOpp() || GetPole(60).isPositive(); }

bool TPit38::AcceptField(int box, Amount& value)
{
    switch (box) {
    case 31: return value < StalePit38::kGranicaStawki;
    case 60: value = TruncToTenGrosz(value); return true;
    default: return true;
    }
}

bool TPit38::DrukCustom(int box) const
{
    switch (box) {
    case 23:
    case 24: return HasPitZG() || !GetPole(box).isZero() || !GetEmpty(box);
    case 25: return GetDruk(21) || GetDruk(23);
    case 26: return GetDruk(22) || GetDruk(24);
    case 33: return !GetPole(33).isZero() || HasPitZG();
    case 42:
    case 43: return GetDruk(39) || GetDruk(40) || GetDruk(41);
    default: return false;
    }
}

void TPit38::LoadCounts(const TTable* t)
{
    set(64, Amount::zloty(t->asBool(QStringLiteral("Nip3Pod")) ? 1 : 0));
    set(65, Amount::zloty(t->asInt(QStringLiteral("PitZGPod"))));
}

void TPit38::LoadAttachments()
{
    using namespace StalePit38;
    foreignIncome_ = foreignCosts_ = foreignTax_ = Amount();
    if (!HasPitZG()) return;
    const int count = int(GetPole(65).wholeZloty());
    foreignIncome_ = DM()->SumForeignIncome(PodatId, stPodatnik, count, kPoleZagranicy);
    foreignCosts_ = DM()->SumForeignCosts(PodatId, stPodatnik, count, kPoleZagranicy);
    foreignTax_ = ZrodlaDeklaracji::SumPitZG(PodatId, stPodatnik, count, kKolumnaPodatkuZagranicy);
}

void TPit38::LoadRow(const TTable* t)
{
    TDeklaracja::LoadRow(t);
    set(60, TruncToTenGrosz(GetPole(60)));
    P61 = TextLines(t->asString(QStringLiteral("P61")));
    P62 = t->asString(QStringLiteral("P62"));
    P63 = t->asBool(QStringLiteral("P63"));
}

void TPit38::SaveRow(TTable* t) const
{
    TDeklaracja::SaveRow(t);
    t->setValue(QStringLiteral("P61"), JoinLines(P61));
    t->setValue(QStringLiteral("P62"), P62);
    t->setValue(QStringLiteral("P63"), P63);
}

void TPit38::Calculate()
{
    clearBoxNotes();

    // Revenue and costs; the other revenue carries the foreign part.
    set(23, src(23) + foreignIncome_);
    set(24, src(24) + foreignCosts_);
    set(25, p(21) + p(23));
    set(26, p(22) + p(24));
    set(27, PositivePart(p(25), p(26)));
    set(28, PositivePart(p(26), p(25)));

    // Losses from previous years within the income; the base and the tax at the typed rate.
    set(29, Min(src(29), p(27)));
    set(30, Floor0(RoundAmount(0, p(27) - p(29))));
    set(32, RoundAmount(2, (p(30) * p(31)).dividedBy(100)));

    // Tax paid abroad, within the part of the tax that falls on the foreign income.
    set(33, Amount());
    if (HasPitZG()) {
        set(33, foreignTax_);
        if (!p(27).isZero()) {
            const Amount tax = RoundAmount(2, (p(27) * p(31)).dividedBy(100));
            const Amount limit = RoundAmount(2, tax * PositivePart(foreignIncome_, foreignCosts_) / p(27));
            if (limit < p(33)) set(33, limit);
        }
    }
    set(35, Floor0(RoundAmount(0, p(32) - p(33) - p(34))));
    set(36, Floor0(RoundAmount(0, p(33) + p(34) - p(32))));

    // Flat-rate tax on foreign income and the tax paid abroad (not rounded).
    set(40, Min(src(40), p(39)));
    set(42, Floor0(p(39) - p(40) - p(41)));
    set(43, Floor0(p(40) + p(41) - p(39)));

    set(44, Floor0(p(35) + p(37) + p(38) + p(42) - p(36) - p(43)));
    set(45, Floor0(p(36) + p(43) - p(35) - p(37) - p(38) - p(42)));

    setOppNote(p(35));
}

void TPit38::Verify() const
{
    DM()->ClearErrors();
    VerifyIdentification(false, false);
    VerifyOpp(p(35));
}
