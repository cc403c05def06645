#include "FPit36L.h"

#include "FDM.h"
#include "StalePit36L.h"
#include "ZrodlaDeklaracji.h"

namespace {

using D = TDruk;
constexpr quint8 K = bfKeptApart;
constexpr BoxShow W = BoxShow::Whole;

constexpr TBoxDef kBoxes[] = {
    // B. year of the earlier exemption (shown when above 0)
    Derived(23, D::Custom),
    // C. income: row 1 business (attachments), row 2 special agricultural production
    FromAttachment(24, D::Custom), FromAttachment(25, D::Custom), FromAttachment(26, D::NonZero),
    FromAttachment(27, D::NonZero), Typed(28, "P28"),
    Typed(29, "P29"), Typed(30, "P30"), Derived(31, D::NonZero), Derived(32, D::NonZero), Typed(33, "P33"),
    // D. deductions from income
    Typed(34, "P34"), Typed(35, "P35", D::Filled, K), Typed(36, "P36"), Derived(37, D::Always),
    // E. lost deductions
    FromAttachment(38, D::NonZero), Derived(39, D::NonZero), Derived(40, D::NonZero), Derived(41, D::NonZero),
    Derived(42, D::Custom), Derived(43, D::Custom),
    // F. base and tax
    Derived(44, D::Always), Derived(45, D::Always, W), Derived(46, D::Always), Typed(47, "P47"),
    Derived(48, D::Custom), Derived(49, D::Always),
    Typed(50, "P50", D::Filled, K), Typed(51, "P51"), Typed(52, "P52"), Derived(53, D::Always),
    Typed(54, "P54"), Derived(55, D::Always, W), Derived(56, D::Always), Derived(57, D::Always),
    Derived(58, D::Always), Typed(59, "P59"),
    // G. flat-rate taxes settled in the return
    Typed(60, "P60"), Typed(61, "P61"), Typed(62, "P62"), Typed(63, "P63", D::Filled, K), Typed(64, "P64"),
    Derived(65, D::Custom, W), Derived(66, D::Custom, W),
    // H. to pay, overpaid
    Derived(67, D::Always), Derived(68, D::Always),
    // I. monthly flat-rate tax, interest, advances
    Typed(69, "P69"), Typed(70, "P70"), Typed(71, "P71"), Typed(72, "P72"), Typed(73, "P73"), Typed(74, "P74"),
    Typed(75, "P75"), Typed(76, "P76"), Typed(77, "P77"), Typed(78, "P78"), Typed(79, "P79"), Typed(80, "P80"),
    Typed(81, "P81"), Typed(82, "P82"), Typed(83, "P83"), Typed(84, "P84"), Typed(85, "P85"), Typed(86, "P86"),
    Typed(87, "P87"), Typed(88, "P88"), Typed(89, "P89"), Typed(90, "P90"), Typed(91, "P91"), Typed(92, "P92"),
    Typed(93, "P93"), Typed(94, "P94"), Typed(95, "P95"), Typed(96, "P96"), Typed(97, "P97"), Typed(98, "P98"),
    Typed(99, "P99"), Typed(100, "P100"), Typed(101, "P101"), Typed(102, "P102"), Typed(103, "P103"),
    Typed(104, "P104"),
    // J. 1% for an organisation of public benefit
    Typed(107, "KwotaOPP"),
    // L. attachments: PIT/B, PIT/Z, PIT/ZG, NIP-1 + NIP-3; statements and reports
    Derived(111, D::Positive), Derived(112, D::Positive), Derived(113, D::Positive), Derived(114, D::Positive),
    Derived(115, D::Positive), Derived(116, D::Positive),
};

const TDeklaracjaDef kDef{
    &TDM::Pit36L,
    {"P6_1", "P6_2"},
    {105, 106, 107},
    TIdVerifyRules{5, 6, true, false, {0, 0}},
};

TIdOptions idOptions()
{
    TIdOptions o;
    o.hasSpouse = false;
    return o;
}

Amount count(int n) { return Amount::zloty(n); }
int flag(const TTable* t, const char* column) { return t->asBool(QLatin1String(column)) ? 1 : 0; }

}  // namespace

TPit36L::TPit36L()
    : TDeklaracja(kBoxes, fkPit36L, kDef, ZrodlaDeklaracji::IdLayoutPodatnik(), idOptions())
{
    Clear();
}

void TPit36L::Clear()
{
    TDeklaracja::Clear();
    P21 = P22 = false;
    rok23_ = 0;
    liczba_[0] = liczba_[1] = 0;
    utrataGosp_ = utrataRol_ = Amount();
    pitBRevenue_ = pitBCosts_ = Amount();
    foreignIncome_ = foreignCosts_ = foreignTax_ = Amount();
    Straty.clear();
    P108.clear();
    P109.clear();
    P110 = false;
}

void TPit36L::SetRok23(int year)
{
    if (year < 0) return;
    rok23_ = year;
    set(23, count(year));
}

void TPit36L::SetLiczba(int box, int n)
{
    if ((box != 115 && box != 116) || n < 0 || n > StalePit36L::kMaxLiczba) return;
    liczba_[box == 116 ? 1 : 0] = n;
    set(box, count(n));
}

void TPit36L::SetUtrataGosp(Amount a)
{
    if (a.isNegative() || a == utrataGosp_) return;
    utrataGosp_ = a;
    Calculate();
}

void TPit36L::SetUtrataRol(Amount a)
{
    if (a.isNegative() || a == utrataRol_) return;
    utrataRol_ = a;
    Calculate();
}

bool TPit36L::HasOpp() const { return TDeklaracja::HasOpp() || GetPole(107).isPositive(); }

bool TPit36L::AcceptField(int box, Amount& value)
{
    if (box == 107) value = TruncToTenGrosz(value);
    return true;
}

bool TPit36L::DrukCustom(int box) const
{
    switch (box) {
    case 23: return rok23_ > 0;
    case 24:
    case 25: return HasPitB() || HasPitZ() || HasPitZG();
    case 42: return !GetPole(42).isZero() || GetDruk(40);
    case 43: return !GetPole(43).isZero() || GetDruk(41);
    case 48: return !GetPole(48).isZero() || HasPitZG();
    case 65:
    case 66: return GetDruk(62) || GetDruk(63) || GetDruk(64);
    default: return false;
    }
}

void TPit36L::LoadCounts(const TTable* t)
{
    set(111, count(t->asInt(QStringLiteral("PitBPod"))));
    set(112, count(flag(t, "PitZPod")));
    set(113, count(t->asInt(QStringLiteral("PitZGPod"))));
    set(114, count(flag(t, "Nip1Pod") + flag(t, "Nip3Pod")));
}

void TPit36L::LoadAttachments()
{
    using namespace StalePit36L;
    namespace Z = ZrodlaDeklaracji;
    foreignIncome_ = foreignCosts_ = foreignTax_ = Amount();
    if (HasPitZG()) {
        const int n = int(GetPole(113).wholeZloty());
        foreignIncome_ = DM()->SumForeignIncome(PodatId, stPodatnik, n, kPoleZagranicy);
        foreignCosts_ = DM()->SumForeignCosts(PodatId, stPodatnik, n, kPoleZagranicy);
        foreignTax_ = Z::SumPitZG(PodatId, stPodatnik, n, kKolumnaPodatkuZagranicy);
    }
    pitBRevenue_ = pitBCosts_ = Amount();
    if (HasPitZ()) {
        const Z::TPitZRow z = Z::ReadPitZ(PodatId, stPodatnik);
        set(24, z.p33 + foreignIncome_);
        set(25, z.p34 + foreignCosts_);
        set(26, z.p35 + PositivePart(foreignIncome_, foreignCosts_));
        set(27, z.p36 + PositivePart(foreignCosts_, foreignIncome_));
    } else if (HasPitB()) {
        const int n = int(GetPole(111).wholeZloty());
        pitBRevenue_ = Z::SumPitBRevenue(PodatId, stPodatnik, n);
        pitBCosts_ = Z::SumPitBCosts(PodatId, stPodatnik, n);
    }
    const Z::TUtrata u = Z::ReadUtrata(PodatId, stPodatnik);
    utrataGosp_ = u.gosp;
    utrataRol_ = u.rol;
}

void TPit36L::LoadRow(const TTable* t)
{
    TDeklaracja::LoadRow(t);
    set(107, TruncToTenGrosz(GetPole(107)));
    P21 = t->asBool(QStringLiteral("P21"));
    P22 = t->asBool(QStringLiteral("P22"));
    SetRok23(t->asInt(QStringLiteral("P23")));
    Straty = t->asString(QStringLiteral("Straty"));
    P108 = t->asString(QStringLiteral("P108"));
    P109 = t->asString(QStringLiteral("P109"));
    P110 = t->asBool(QStringLiteral("P110"));
    SetLiczba(115, t->asInt(QStringLiteral("P115")));
    SetLiczba(116, t->asInt(QStringLiteral("P116")));
}

void TPit36L::SaveRow(TTable* t) const
{
    TDeklaracja::SaveRow(t);
    t->setValue(QStringLiteral("P21"), P21);
    t->setValue(QStringLiteral("P22"), P22);
    t->setValue(QStringLiteral("P23"), rok23_);
    t->setValue(QStringLiteral("Straty"), Straty);
    t->setValue(QStringLiteral("P108"), P108);
    t->setValue(QStringLiteral("P109"), P109);
    t->setValue(QStringLiteral("P110"), P110);
    t->setValue(QStringLiteral("P115"), liczba_[0]);
    t->setValue(QStringLiteral("P116"), liczba_[1]);
}

void TPit36L::Calculate()
{
    using namespace StalePit36L;
    clearBoxNotes();

    // Business row: PIT/Z keeps what Load put there; otherwise PIT/B sums plus the foreign part.
    if (!HasPitZ()) {
        set(24, pitBRevenue_ + foreignIncome_);
        set(25, pitBCosts_ + foreignCosts_);
        set(26, PositivePart(p(24), p(25)));
        set(27, PositivePart(p(25), p(24)));
    }
    set(31, PositivePart(p(29), p(30)));
    set(32, PositivePart(p(30), p(29)));

    // Losses and social insurance within the income.
    set(35, Min(src(35), Floor0(p(26) + p(31) - p(34))));
    if (p(34) + p(35) > p(26) + p(31)) {
        const QString t = QStringLiteral("Suma kwot z poz.34 i 35 nie może\rprzekroczyć sumy kwot z poz.26 i 31");
        SetFieldNote(boxNote(34), ncRed, t);
        SetFieldNote(boxNote(35), ncRed, t);
    }
    set(37, Floor0(p(26) + p(31) - p(34) - p(35)));

    // Lost deductions: first against the loss of their kind, the rest raises the base.
    set(38, utrataGosp_ + utrataRol_);
    for (int b = 39; b <= 43; ++b) set(b, Amount());
    if (utrataGosp_.isPositive()) {
        if (p(27).isPositive()) {
            set(40, Min(utrataGosp_, p(27)));
            if (p(40) < utrataGosp_) set(39, utrataGosp_ - p(40));
            set(42, p(27) - p(40));
        } else {
            set(39, utrataGosp_);
        }
    }
    if (utrataRol_.isPositive()) {
        if (p(32).isPositive()) {
            set(41, Min(utrataRol_, p(32)));
            if (p(41) < utrataRol_) set(39, p(39) + utrataRol_ - p(41));
            set(43, p(32) - p(41));
        } else {
            set(39, p(39) + utrataRol_);
        }
    }

    // Base and tax at the flat rate.
    set(44, p(37) + p(39));
    set(45, RoundAmount(0, p(44)));
    set(46, RoundAmount(2, p(45) * kStawka));

    // Tax paid abroad, within the part of the tax that falls on the foreign income.
    set(48, Amount());
    if (HasPitZG()) {
        set(48, foreignTax_);
        const Amount j = p(26) + p(31);
        if (!j.isZero()) {
            const Amount limit =
                RoundAmount(2, RoundAmount(2, j * kStawka) * PositivePart(foreignIncome_, foreignCosts_) / j);
            if (limit < p(48)) set(48, limit);
        }
    }
    set(49, Floor0(p(46) + p(47) - p(48)));

    // Health insurance within the tax left after the relief.
    set(50, Floor0(Min(src(50), p(49) - p(52))));
    set(53, Floor0(p(49) - p(50) - p(52)));
    set(55, RoundAmount(0, p(53) + p(54)));
    set(56, p(28) + p(33));
    set(57, PositivePart(p(55), p(56)));
    set(58, PositivePart(p(56), p(55)));

    // Flat-rate tax on foreign income and the tax paid abroad.
    set(63, Min(src(63), p(62)));
    set(65, Floor0(RoundAmount(0, p(62) - p(63) - p(64))));
    set(66, Floor0(RoundAmount(0, p(63) + p(64) - p(62))));

    set(67, Floor0(p(55) + p(60) + p(61) + p(65) - p(59) - p(66)));
    set(68, Floor0(p(59) + p(66) - p(55) - p(60) - p(61) - p(65)));

    setOppNote(p(55));
}

void TPit36L::Verify() const
{
    DM()->ClearErrors();
    VerifyIdentification(false, false);
    if (P22 || rok23_ > 0) {
        if (!P22) AddError(22, QStringLiteral("Gdy wypełniono poz.23 należy zaznaczyć kwadrat w poz.22"));
        if (rok23_ == 0)
            AddError(23, QStringLiteral("Gdy zaznaczono kwadrat w poz.22 należy podać w poz.23 rok, w którym "
                                        "korzystano ze zwolnienia"));
    }
    if (p(34) + p(35) > p(26) + p(31)) {
        const QString t = QStringLiteral("Suma kwot z poz.34 i 35 przekracza sumę kwot z poz.26 i 31");
        AddError(34, t);
        AddError(35, t);
    }
    VerifyOpp(p(55));
}
