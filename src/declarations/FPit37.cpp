#include "FPit37.h"

#include "FDM.h"
#include "FPitD.h"
#include "FPitO.h"
#include "StalePit37.h"

#include <QRegularExpression>

namespace {

using D = TDruk;
constexpr quint8 S = bfSpouse;
constexpr quint8 K = bfKeptApart;
constexpr BoxShow W = BoxShow::Whole;

// Every amount box of the form, in form order.
constexpr TBoxDef kBoxes[] = {
    // C. income, taxpayer: revenue, costs, income, loss, advance tax
    Typed(39, "P39"), Typed(40, "P40"), Derived(41, D::NonZero), Derived(42, D::NonZero), Typed(43, "P43"),
    Typed(44, "P44"), Derived(45, D::NonZero), Typed(46, "P46"),
    Typed(47, "P47"), Typed(48, "P48"), Derived(49, D::NonZero), Derived(50, D::NonZero), Typed(51, "P51"),
    Typed(52, "P52"), Typed(53, "P53"), Derived(54, D::NonZero), Derived(55, D::NonZero), Typed(56, "P56"),
    Typed(57, "P57"), Typed(58, "P58"), Derived(59, D::NonZero), Derived(60, D::NonZero), Typed(61, "P61"),
    Derived(62, D::Always), Derived(63, D::Always), Derived(64, D::Always), Derived(65, D::Always, W),
    // C. income, spouse
    Typed(66, "P66", D::Filled, S), Typed(67, "P67", D::Filled, S), Derived(68, D::NonZero, {}, S),
    Derived(69, D::NonZero, {}, S), Typed(70, "P70", D::Filled, S),
    Typed(71, "P71", D::Filled, S), Derived(72, D::NonZero, {}, S), Typed(73, "P73", D::Filled, S),
    Typed(74, "P74", D::Filled, S), Typed(75, "P75", D::Filled, S), Derived(76, D::NonZero, {}, S),
    Derived(77, D::NonZero, {}, S), Typed(78, "P78", D::Filled, S),
    Typed(79, "P79", D::Filled, S), Typed(80, "P80", D::Filled, S), Derived(81, D::NonZero, {}, S),
    Derived(82, D::NonZero, {}, S), Typed(83, "P83", D::Filled, S),
    Typed(84, "P84", D::Filled, S), Typed(85, "P85", D::Filled, S), Derived(86, D::NonZero, {}, S),
    Derived(87, D::NonZero, {}, S), Typed(88, "P88", D::Filled, S),
    Derived(89, D::Always, {}, S), Derived(90, D::Always, {}, S), Derived(91, D::Always, {}, S),
    Derived(92, D::Always, W, S),
    // D. deductions from income
    Typed(93, "P93", D::Filled, K), Typed(94, "P94", D::Filled, S | K),
    Typed(95, "P95"), Typed(96, "P96", D::Filled, S),
    Derived(97, D::Always), Derived(98, D::Always, {}, S),
    FromAttachment(99, D::Positive, K), FromAttachment(100, D::Positive, S | K),
    Typed(101, "P101", D::PositiveOrFilled, K), Typed(102, "P102", D::PositiveOrFilled),
    Derived(103, D::Custom), Derived(104, D::Custom),
    Derived(105, D::Always), Derived(106, D::Always, W), Derived(107, D::Always),
    // E. tax
    Typed(108, "P108"), Derived(109, D::Always),
    Typed(110, "P110", D::Filled, K), Typed(111, "P111", D::Filled, S | K),
    Typed(112, "P112"), Typed(113, "P113", D::Filled, S),
    FromAttachment(114, D::Positive, K), FromAttachment(115, D::Positive, S | K),
    Derived(116, D::Always), Typed(117, "P117", D::PositiveOrFilled), Derived(118, D::Custom),
    Derived(119, D::Custom), Derived(120, D::Always, W), Derived(121, D::Always, W),
    Derived(122, D::Always, W), Derived(123, D::Always, W),
    // G. 1% for an organisation of public benefit
    Typed(126, "KwotaOPP"),
    // I. numbers of attachments and residence certificates
    Derived(130, D::Positive, W), Derived(131, D::Positive, W), Derived(132, D::Positive, W),
    Derived(133, D::Positive, W), Derived(134, D::Positive, W),
};

const TDeklaracjaDef kDef{
    &TDM::Pit37,
    {"P10_1", "P10_2"},
    {124, 125, 126},
    TIdVerifyRules{9, 0, false, false, {1, 0}},
};

TIdOptions idOptions()
{
    TIdOptions o;
    o.hasSpouse = true;
    return o;
}

Amount amountOfCount(int n) { return Amount::zloty(n); }

}  // namespace

TPit37::TPit37() : TDeklaracja(kBoxes, fkPit37, kDef, IdLayouts::Pit37(), idOptions()) { Clear(); }

void TPit37::Clear()
{
    TDeklaracja::Clear();
    P7 = false;
    p8_ = false;
    p135_[0] = p135_[1] = false;
    p136_[0] = p136_[1] = p136_[2] = false;
    P127.clear();
    P128.clear();
    P129 = false;
    P137.clear();
    certyfikat_ = 0;
}

void TPit37::SetCertyfikat(int count)
{
    if (count < 0 || count > StalePit37::kMaxCertyfikat) return;
    certyfikat_ = count;
    set(134, amountOfCount(count));
}

void TPit37::SetPit135(int square, bool flag)
{
    if (square < 1 || square > 2) return;
    if (flag) p135_[0] = p135_[1] = false;
    p135_[square - 1] = flag;
}

void TPit37::SetPit136(int square, bool flag)
{
    if (square < 1 || square > 3) return;
    if (flag) p136_[0] = p136_[1] = p136_[2] = false;
    p136_[square - 1] = flag;
}

Amount TPit37::PossibleDeduction101() const { return PositivePart(p(97) + p(98), p(99) + p(100)); }

bool TPit37::AcceptField(int box, Amount& value)
{
    switch (box) {
    case 101:
    case 102:
    case 117: return MayTypePitDBoxes();
    case 126: value = TruncToTenGrosz(value); return true;
    default: return true;
    }
}

bool TPit37::DrukCustom(int box) const
{
    switch (box) {
    case 103:
    case 104: return GetDruk(102);
    case 118:
    case 119: return GetDruk(117);
    default: return false;
    }
}

bool TPit37::LoadsBox(int box) const { return (box != 101 && box != 102 && box != 117) || MayTypePitDBoxes(); }
bool TPit37::SavesBox(int box) const { return LoadsBox(box); }

void TPit37::LoadCounts(const TTable* t)
{
    set(130, amountOfCount(t->asInt(QStringLiteral("PitO"))));
    set(131, amountOfCount(t->asBool(QStringLiteral("PitDPod")) ? 1 : 0));
    set(132, amountOfCount(t->asBool(QStringLiteral("Pit2K")) ? 1 : 0));
    set(133, amountOfCount((t->asBool(QStringLiteral("Nip3Pod")) ? 1 : 0) +
                           (IsJoint() && t->asBool(QStringLiteral("Nip3Mal")) ? 1 : 0)));
}

void TPit37::LoadAttachments()
{
    setSource(99, Amount());
    setSource(100, Amount());
    setSource(101, Amount());
    set(102, Amount());
    setSource(114, Amount());
    setSource(115, Amount());
    set(117, Amount());
    TPitO::TSumy o;
    if (HasPitO() && TPitO::ReadTotals(PodatId, &o)) {
        setSource(99, o.p28);
        setSource(114, o.p42);
        if (IsJoint()) {
            setSource(100, o.p29);
            setSource(115, o.p43);
        }
    }
    TPitD::TSumy d;
    if (HasPitD() && TPitD::ReadTotals(PodatId, 37, &d)) {
        setSource(101, d.interest);
        set(102, d.expenses);
        set(117, d.tax);
    }
}

void TPit37::LoadRow(const TTable* t)
{
    TDeklaracja::LoadRow(t);
    P7 = t->asBool(QStringLiteral("P7"));
    p8_ = t->asBool(QStringLiteral("P8"));
    set(126, TruncToTenGrosz(GetPole(126)));
    P127 = t->asString(QStringLiteral("P127"));
    P128 = t->asString(QStringLiteral("P128"));
    P129 = t->asBool(QStringLiteral("P129"));
    SetCertyfikat(t->asInt(QStringLiteral("Certyfikat")));
    p135_[0] = t->asBool(QStringLiteral("P135_1"));
    p135_[1] = t->asBool(QStringLiteral("P135_2"));
    p136_[0] = t->asBool(QStringLiteral("P136_1"));
    p136_[1] = t->asBool(QStringLiteral("P136_2"));
    p136_[2] = t->asBool(QStringLiteral("P136_3"));
    static const QRegularExpression eol(QStringLiteral("\r\n|\r|\n"));
    const QString text = t->asString(QStringLiteral("P137"));
    P137 = text.isEmpty() ? QStringList() : text.split(eol);
}

void TPit37::SaveRow(TTable* t) const
{
    TDeklaracja::SaveRow(t);
    t->setValue(QStringLiteral("P7"), P7);
    t->setValue(QStringLiteral("P8"), p8_);
    t->setValue(QStringLiteral("P127"), P127);
    t->setValue(QStringLiteral("P128"), P128);
    t->setValue(QStringLiteral("P129"), P129);
    t->setValue(QStringLiteral("Certyfikat"), certyfikat_);
    t->setValue(QStringLiteral("P135_1"), p135_[0]);
    t->setValue(QStringLiteral("P135_2"), p135_[1]);
    t->setValue(QStringLiteral("P136_1"), p136_[0]);
    t->setValue(QStringLiteral("P136_2"), p136_[1]);
    t->setValue(QStringLiteral("P136_3"), p136_[2]);
    t->setValue(QStringLiteral("P137"), P137.join(QStringLiteral("\r\n")));
}

void TPit37::Calculate()
{
    using namespace StalePit37;
    const int method = GetSposob();
    const bool halved = method != 0;   // joint filing and single parents
    clearBoxNotes();

    // Taxpayer's income rows and totals.
    set(41, PositivePart(p(39), p(40)));
    set(42, PositivePart(p(40), p(39)));
    set(45, p(44));
    set(49, PositivePart(p(47), p(48)));
    set(50, PositivePart(p(48), p(47)));
    set(54, PositivePart(p(52), p(53)));
    set(55, PositivePart(p(53), p(52)));
    set(59, PositivePart(p(57), p(58)));
    set(60, PositivePart(p(58), p(57)));
    set(62, p(39) + p(44) + p(47) + p(52) + p(57));
    set(63, p(40) + p(48) + p(53) + p(58));
    set(64, p(41) + p(45) + p(49) + p(54) + p(59));
    set(65, p(43) + p(46) + p(51) + p(56) + p(61));

    // Spouse's income rows and totals (all 0 unless filing jointly).
    set(68, PositivePart(p(66), p(67)));
    set(69, PositivePart(p(67), p(66)));
    set(72, p(71));
    set(76, PositivePart(p(74), p(75)));
    set(77, PositivePart(p(75), p(74)));
    set(81, PositivePart(p(79), p(80)));
    set(82, PositivePart(p(80), p(79)));
    set(86, PositivePart(p(84), p(85)));
    set(87, PositivePart(p(85), p(84)));
    set(89, p(66) + p(71) + p(74) + p(79) + p(84));
    set(90, p(67) + p(75) + p(80) + p(85));
    set(91, p(68) + p(72) + p(76) + p(81) + p(86));
    set(92, p(70) + p(73) + p(78) + p(83) + p(88));

    // Social insurance, limited to the income.
    set(93, Min(src(93), p(64)));
    set(94, Min(src(94), p(91)));
    set(97, PositivePart(p(64), p(93)));
    set(98, PositivePart(p(91), p(94)));

    // Deductions from income (PIT/O part B), limited to the income left.
    set(99, Min(src(99), p(97)));
    if (src(99) != p(99))
        setLimitNote(99, QStringLiteral("Kwota z PIT/O"), src(99), QStringLiteral("do kwoty z poz.97"));
    set(100, Min(src(100), p(98)));
    if (src(100) != p(100))
        setLimitNote(100, QStringLiteral("Kwota z PIT/O"), src(100), QStringLiteral("do kwoty z poz.98"));

    // Interest relief (PIT/D part B.1 or typed).
    const Amount a = p(97) + p(98) - p(99) - p(100);
    set(101, a < src(101) ? Floor0(a) : src(101));
    if (src(101) != p(101) && HasPitD())
        setLimitNote(101, QStringLiteral("Kwota z PIT/D"), src(101), QStringLiteral("do kwoty możliwego odliczenia"));

    // Housing expenses: what the income left allows this year, the rest later.
    const Amount b = p(97) + p(98) - p(99) - p(100) - p(101);
    set(103, Floor0(b >= p(102) ? p(102) : b));
    set(104, PositivePart(p(102), p(103)));

    // Tax base and tax by the scale.
    set(105, Floor0(p(97) + p(98) - p(99) - p(100) - p(101) - p(103)));
    set(106, RoundAmount(0, halved ? p(105).dividedBy(kDzielnikWspolny) : p(105)));
    Amount tax = ScaleTax(p(106));
    if (halved) tax = tax * kDzielnikWspolny;
    set(107, RoundAmount(2, Floor0(tax)));
    set(109, p(107) + p(108));

    // Health insurance, within the tax.
    const THealthSplit health = SplitHealthDeduction(method, p(109), src(110), src(111));
    set(110, health.first);
    set(111, health.second);

    // Deductions from tax (PIT/O part C), within the tax left.
    set(114, src(114));
    set(115, src(115));
    const Amount c = Floor0(p(109) - p(110) - p(111));
    if (c < p(114) + p(115)) {
        if (IsJoint() && c > src(114)) {
            set(115, c - p(114));
        } else {
            set(114, c);
            set(115, Amount());
        }
    }
    if (src(114) > p(114))
        setLimitNote(114, QStringLiteral("Kwota z PIT/O"), src(114), QStringLiteral("do kwoty możliwego odliczenia"));
    if (src(115) > p(115))
        setLimitNote(115, QStringLiteral("Kwota z PIT/O"), src(115), QStringLiteral("do kwoty możliwego odliczenia"));
    set(116, Floor0(p(109) - p(110) - p(111) - p(114) - p(115)));

    // Housing reliefs (PIT/D part C or typed), within the tax left.
    set(118, Floor0(p(116) >= p(117) ? p(117) : p(116)));
    set(119, PositivePart(p(117), p(118)));

    // Tax due, advances, the balance.
    set(120, Floor0(RoundAmount(0, p(116) - p(118))));
    set(121, p(65) + p(92));
    set(122, PositivePart(p(120), p(121)));
    set(123, PositivePart(p(121), p(120)));

    // 1% designation against its limit.
    const Amount limit = OnePercentLimit(p(120));
    if (limit < p(126))
        SetFieldNote(boxNote(126), ncRed,
                     QStringLiteral("Wnioskowana kwota przekracza kwotę\rmożliwą do odliczenia = ") + MoneyText(limit));
}

void TPit37::Verify() const
{
    DM()->ClearErrors();
    VerifyIdentification(GetSposob() == 1, GetSposob() == 1);
    VerifyRows({{39, 40, 43}, {44, 46}, {47, 48, 51}, {52, 53, 56}, {57, 58, 61}});
    if (IsJoint()) VerifyRows({{66, 67, 70}, {71, 73}, {74, 75, 78}, {79, 80, 83}, {84, 85, 88}});
    VerifyOpp(p(120));
    const bool pitDBoxes = !p(101).isZero() || !p(102).isZero() || !p(117).isZero();
    if (pitDBoxes && !HasPitD()) {
        const QString t = QStringLiteral("Należy zaznaczyć właściwy kwadrat");
        if (!p135_[0] && !p135_[1]) AddError(135, t);
        if (!p136_[0] && !p136_[1] && !p136_[2]) AddError(136, t);
    }
    if (HasPitD()) {
        const QString t =
            QStringLiteral("Pozycję wypełniają podatnicy, którzy załącznik PIT/D dołączyli do innego niż składane zeznanie");
        if (p135_[0] || p135_[1]) AddError(135, t);
        if (p136_[0] || p136_[1] || p136_[2]) AddError(136, t);
    }
    if (p135_[1] && P137.join(QString()).trimmed().isEmpty())
        AddError(137, QStringLiteral("Pozycja powinna być wypełniona ponieważ zaznaczono w poz.135 kwadrat nr 2"));
}
