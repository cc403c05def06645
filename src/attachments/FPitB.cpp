#include "FPitB.h"

#include "FDM.h"
#include "Messages.h"
#include "NumWeryf.h"

namespace {

using D = TDruk;
constexpr TDruk C = TDruk::Custom;

constexpr TBoxDef kBoxes[] = {
    // B.1, B.2: revenue, costs, income (a loss is negative)
    Typed(11, "P11", C), Typed(12, "P12", C), Derived(13, C),
    Typed(17, "P17", C), Typed(18, "P18", C), Derived(19, C),
    // C.1: share; partnership revenue, person's part; partnership costs, person's part; incomes
    Typed(21, "P21", C), Typed(25, "P25", C), Typed(26, "P26", C), Typed(27, "P27", C), Typed(28, "P28", C),
    Derived(29, C), Derived(30, C),
    // C.2
    Typed(32, "P32", C), Typed(36, "P36", C), Typed(37, "P37", C), Typed(38, "P38", C), Typed(39, "P39", C),
    Derived(40, C), Derived(41, C),
    // C.3
    Typed(43, "P43", C), Typed(47, "P47", C), Typed(48, "P48", C), Typed(49, "P49", C), Typed(50, "P50", C),
    Derived(51, C), Derived(52, C),
    // D: totals of all the person's attachments, on the last one
    Derived(53, C), Derived(54, C), Derived(55, C), Derived(56, C),
};

constexpr int kTextBoxes[] = {8, 9, 10, 14, 15, 16, 20, 22, 23, 24, 31, 33, 34, 35, 42, 44, 45, 46};
constexpr int kNipBoxes[] = {22, 33, 44};
constexpr int kRegonBoxes[] = {9, 15, 23, 34, 45};

// The first box of each partnership: name; share = +1, NIP +2, REGON +3, place +4,
// revenue +5, part +6, costs +7, part +8, incomes +9, +10.
constexpr int kSpolka[] = {20, 31, 42};
// The first text box of each own activity: kind, REGON +1, place +2, revenue +3, costs +4.
constexpr int kDzialalnosc[] = {8, 14};

const TZalacznikDef kDef{&TDM::PitB, true};

constexpr int kOrange = 37 << 16 | 148 << 8 | 255;   // stored colour value of RGB 255, 148, 37

template <std::size_t N>
bool contains(const int (&list)[N], int box)
{
    for (int b : list)
        if (b == box) return true;
    return false;
}

// The sums over the person's attachments 1..count, one scratch model at a time.
Amount sumPitB(int podatId, int person, int skip, bool costs)
{
    TDM* dm = DM();
    dm->Podatnik->ensureOpen();
    dm->PitB->ensureOpen();
    const TBookmarkGuard keepPodatnik(dm->Podatnik);
    const TBookmarkGuard keepPitB(dm->PitB);
    const int count = dm->Podatnik
                          ->lookup({QStringLiteral("PodatId")}, {podatId},
                                   person == stMalzonek ? QStringLiteral("PitBMal") : QStringLiteral("PitBPod"))
                          .toInt();
    Amount sum;
    TPitB scratch(false);
    for (int nr = 1; nr <= count; ++nr) {
        if (nr == skip) continue;
        if (!scratch.Load(podatId, person, nr)) break;
        sum += costs ? scratch.Koszty() : scratch.Przychod();
    }
    return sum;
}

}  // namespace

Amount TDM::SumPitBIncome(int podatId, int person, int skip) { return sumPitB(podatId, person, skip, false); }
Amount TDM::SumPitBCosts(int podatId, int person, int skip) { return sumPitB(podatId, person, skip, true); }

TPitB::TPitB(bool czescD) : TZalacznik(kBoxes, fkPitB, kDef, OsobaLayout(1, 4, 5, 6, 7)), czescD_(czescD)
{
    Clear();
}

void TPitB::Clear()
{
    TZalacznik::Clear();
    liczbaPod_ = liczbaMal_ = 0;
    pit36L_ = false;
    teksty_.clear();
    przychod_ = koszty_ = Amount();
}

QString TPitB::Caption() const
{
    return QStringLiteral("PIT/B [") + QString::number(NrZal) + u']' + CaptionName();
}

void TPitB::warnUndefined(const char* op, int box) const
{
    TFormularz::warnUndefined(qstrcmp(op, "SetField") == 0 ? "PIT/B SetField" : op, box);
}

bool TPitB::IsTextBox(int box) { return contains(kTextBoxes, box); }

void TPitB::SetTekst(int box, const QString& text)
{
    if (!IsTextBox(box)) return;
    teksty_[box] = text;
    if (contains(kNipBoxes, box)) {
        TFieldNote& n = boxNote(box);
        ClearFieldNote(n);
        if (!IsValidNip(text)) SetFieldNote(n, ncRed, QStringLiteral("Nieprawidłowy NIP"));
    } else if (contains(kRegonBoxes, box)) {
        TFieldNote& n = boxNote(box);
        ClearFieldNote(n);
        if (!IsValidRegon(text)) SetFieldNote(n, ncRed, QStringLiteral("Nieprawidłowy REGON"));
    }
}

QString TPitB::Tekst(int box) const
{
    const auto it = teksty_.find(box);
    return it == teksty_.end() ? QString() : it->second;
}

bool TPitB::textFilled(int box) const
{
    if (contains(kNipBoxes, box) || contains(kRegonBoxes, box)) return !IsBlankNumber(Tekst(box));
    return !Tekst(box).trimmed().isEmpty();
}

Amount TPitB::PartOf(Amount share, Amount amount)
{
    // share % of the amount in whole ten-thousandths squared, rounded half up to grosze, so
    // that no precision is lost before the one rounding.
    const __int128 n = __int128(share.raw()) * amount.raw();   // zloty x 10^8 x 100
    constexpr __int128 perGrosz = __int128(Amount::Scale) * Amount::Scale;
    const __int128 half = n < 0 ? -perGrosz / 2 : perGrosz / 2;
    return Amount::grosze(qint64((n + half) / perGrosz));
}

void TPitB::recalcPart(int part, Amount share, Amount oldBase, Amount newShare, Amount newBase)
{
    // A part typed by hand (different from its share) stays as typed.
    if (GetPole(part) != PartOf(share, oldBase)) return;
    const Amount v = PartOf(newShare, newBase);
    set(part, v);
    if (!v.isZero()) SetEmpty(part, false);
}

bool TPitB::AcceptField(int box, Amount& value)
{
    for (int first : kSpolka) {
        const int share = first + 1, revenue = first + 5, costs = first + 7;
        const Amount s = GetPole(share);
        if (box == share) {
            if (value > Amount::zloty(100)) return false;
            recalcPart(revenue + 1, s, GetPole(revenue), value, GetPole(revenue));
            recalcPart(costs + 1, s, GetPole(costs), value, GetPole(costs));
        } else if (box == revenue || box == costs) {
            recalcPart(box + 1, s, GetPole(box), s, value);
        }
    }
    return true;
}

void TPitB::LoadCounts(const TTable* pod)
{
    liczbaPod_ = pod->asInt(QStringLiteral("PitBPod"));
    liczbaMal_ = pod->asInt(QStringLiteral("PitBMal"));
    pit36L_ = pod->asString(QStringLiteral("Glowny")) == QLatin1String("PIT-36L");
}

void TPitB::LoadAmounts(const TTable* row)
{
    // Through SetField in box order, so that the shares' rules see each amount as typed.
    for (const TBoxDef& d : Boxes()) {
        if (d.kind != BoxKind::Typed) continue;
        if (const OptAmount a = row->amountOrNull(QLatin1String(d.column))) SetField(d.box, *a);
    }
    for (const TBoxDef& d : Boxes())
        if (d.kind == BoxKind::Typed) SetEmpty(d.box, row->isNull(QLatin1String(d.column)));
}

void TPitB::LoadRow(const TTable* row)
{
    for (int b : kTextBoxes) SetTekst(b, row->asString(QStringLiteral("P") + QString::number(b)));
}

void TPitB::SaveRow(TTable* row) const
{
    for (int b : kTextBoxes) row->setValue(QStringLiteral("P") + QString::number(b), Tekst(b));
}

void TPitB::Calculate()
{
    set(13, p(11) - p(12));
    set(19, p(17) - p(18));
    const QString differs = QStringLiteral("Kwota różna od wartości wynikającej z udziału");
    for (int first : kSpolka) {
        const int share = first + 1, revenue = first + 5, costs = first + 7;
        for (int base : {revenue, costs}) {
            TFieldNote& n = boxNote(base + 1);
            ClearFieldNote(n);
            if (p(base + 1) != PartOf(p(share), p(base))) SetFieldNote(n, kOrange, differs);
        }
        set(first + 9, p(revenue) - p(costs));
        set(first + 10, p(revenue + 1) - p(costs + 1));
    }
    przychod_ = p(11) + p(17) + p(26) + p(37) + p(48);
    koszty_ = p(12) + p(18) + p(28) + p(39) + p(50);

    Amount revenue, costs;
    if (czescD_ && IsLast()) {
        revenue = przychod_;
        costs = koszty_;
        if (LiczbaZal() > 1) {
            revenue += DM()->SumPitBIncome(PodatId, Osoba, NrZal);
            costs += DM()->SumPitBCosts(PodatId, Osoba, NrZal);
        }
    }
    set(53, revenue);
    set(54, costs);
    set(55, PositivePart(revenue, costs));
    set(56, PositivePart(costs, revenue));
}

bool TPitB::DzialalnoscHasData(int n) const
{
    if (n < 1 || n > 2) return false;
    const int first = kDzialalnosc[n - 1], revenue = first + 3, costs = first + 4;
    return textFilled(first) || textFilled(first + 1) || textFilled(first + 2) || GetPole(revenue).isPositive() ||
           GetPole(costs).isPositive() || !GetEmpty(revenue) || !GetEmpty(costs);
}

bool TPitB::SpolkaHasData(int n) const
{
    if (n < 1 || n > 3) return false;
    const int first = kSpolka[n - 1];
    if (textFilled(first) || textFilled(first + 4) || textFilled(first + 2) || textFilled(first + 3)) return true;
    for (int b : {first + 1, first + 5, first + 6, first + 7, first + 8})
        if (GetPole(b).isPositive() || !GetEmpty(b)) return true;
    return false;
}

bool TPitB::DrukCustom(int box) const
{
    if (box >= 11 && box <= 13) return DzialalnoscHasData(1);
    if (box >= 17 && box <= 19) return DzialalnoscHasData(2);
    if (box == 21 || box == 32 || box == 43) return !GetPole(box).isZero();
    for (int i = 0; i < 3; ++i)
        if (box >= kSpolka[i] + 5 && box <= kSpolka[i] + 10) return SpolkaHasData(i + 1);
    if (!czescD_ || !IsLast()) return false;
    if (box == 53 || box == 54) return true;
    return GetPole(box).isPositive();   // 55, 56
}

void TPitB::Verify() const
{
    DM()->ClearErrors();
    VerifyOsoba(pcNumberAndDate);
    for (int n = 1; n <= 2; ++n) {
        if (!DzialalnoscHasData(n)) continue;
        const int first = kDzialalnosc[n - 1];
        if (!textFilled(first)) AddError(first, QStringLiteral("Rodzaj działalności nie podany"));
        if (!textFilled(first + 1)) AddError(first + 1, QStringLiteral("REGON nie podany"));
        else if (!IsValidRegon(Tekst(first + 1))) AddError(first + 1, QStringLiteral("Nieprawidłowy REGON"));
        if (!textFilled(first + 2))
            AddError(first + 2, QStringLiteral("Miejsce prowadzenia działalności nie podane"));
    }
    for (int n = 1; n <= 3; ++n)
        if (SpolkaHasData(n)) verifySpolka(n);
}

void TPitB::verifySpolka(int n) const
{
    const int first = kSpolka[n - 1];
    if (!textFilled(first)) AddError(first, QStringLiteral("Nazwa spółki nie podana"));
    if (GetPole(first + 1).isZero())
        AddError(first + 1, QStringLiteral("Udział podatnika w przychodach spółki nie podany"));
    if (!textFilled(first + 2)) AddError(first + 2, QStringLiteral("NIP spółki nie podany"));
    else if (!IsValidNip(Tekst(first + 2))) AddError(first + 2, QStringLiteral("Nieprawidłowy NIP spółki"));
    if (!textFilled(first + 3)) AddError(first + 3, QStringLiteral("REGON spółki nie podany"));
    else if (!IsValidRegon(Tekst(first + 3))) AddError(first + 3, QStringLiteral("Nieprawidłowy REGON spółki"));
    if (!textFilled(first + 4))
        AddError(first + 4, QStringLiteral("Miejsce prowadzenia działalności spółki nie podane"));
}
