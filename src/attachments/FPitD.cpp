#include "FPitD.h"

#include "FDM.h"
#include "Messages.h"
#include "StalePit37.h"

namespace {

using D = TDruk;

constexpr TBoxDef kBoxes[] = {
    // B.1 interest on a housing loan
    Typed(32, "P32"), Typed(33, "P33"), Derived(34, D::Custom),
    Typed(35, "P35"), Typed(36, "P36"), Typed(37, "P37"), Typed(38, "P38"),
    // B.2, B.3 housing expenses
    Typed(40, "P40"), Typed(41, "P41"), Derived(42, D::Custom), Typed(43, "P43"), Derived(44, D::Custom),
    Typed(45, "P45"), Typed(46, "P46"), Typed(47, "P47"), Typed(48, "P48"),
    // C. housing savings bank
    Typed(49, "P49"), Typed(50, "P50"), Derived(51, D::Custom), Typed(52, "P52"), Derived(53, D::Custom),
    Typed(54, "P54"), Typed(55, "P55"), Typed(56, "P56"), Typed(57, "P57"),
};

// Split pairs: first box of the pair and the box whose amount the pair divides.
constexpr std::pair<int, int> kPairs[] = {{35, 33}, {37, 34}, {45, 43}, {47, 44}, {54, 52}, {56, 53}};

void addError(int box, const QString& text) { DM()->AddError(TBlad{box, text}); }

Amount absAmount(Amount a) { return a.isNegative() ? -a : a; }

}  // namespace

TPitD::TPitD() : TFormularz(kBoxes, fkPitD)
{
    TIdOptions o;
    o.hasSpouse = true;
    o.addressCompletion = false;
    o.addressRulesOnlyInPoland = false;
    id_ = std::make_unique<TIdentyfikacja>(IdLayouts::PitD(), o);
    id_->setSpouseActive([this] { return SpouseDataPresent(); });
    Clear();
}

void TPitD::Clear()
{
    TFormularz::Clear();
    P39.clear();
}

QString TPitD::Caption() const
{
    const TOsoba& o = id_->osoba(stPodatnik);
    return QStringLiteral("PIT/D - ") + o[idImie].trimmed() + u' ' + o[idNazwisko].trimmed();
}

bool TPitD::Load(int podatId, int kind)
{
    Clear();
    kind_ = kind == 36 || kind == 37 ? kind : 28;
    id_->options().addressNotes = kind_ != 28;
    if (!LocateTaxpayer(podatId)) {
        ShowWarning(MissingTaxpayerMessage(podatId));
        return false;
    }
    PodatId = podatId;
    const TTable* pod = DM()->Podatnik;
    id_->LoadFromRegister(pod, stPodatnik);
    id_->LoadFromRegister(pod, stMalzonek);
    TTable* t = DM()->PitD;
    t->ensureOpen();
    if (t->locate(QStringLiteral("PodatId"), podatId)) {
        LoadBoxes(t);
        P39 = t->asString(QStringLiteral("P39"));
    }
    Calculate();
    return true;
}

bool TPitD::Save()
{
    if (!LocateTaxpayer(PodatId)) {
        ShowWarning(MissingTaxpayerMessage(PodatId));
        return false;
    }
    TTable* pod = DM()->Podatnik;
    id_->SaveToRegister(pod, stPodatnik);
    id_->SaveToRegister(pod, stMalzonek);
    TTable* t = DM()->PitD;
    t->ensureOpen();
    if (t->locate(QStringLiteral("PodatId"), PodatId)) {
        t->edit();
    } else {
        t->append();
        t->setValue(QStringLiteral("PodatId"), PodatId);
    }
    SaveBoxes(t);
    t->setValue(QStringLiteral("P39"), P39);
    t->post();
    return true;
}

bool TPitD::ReadTotals(int podatId, int kind, TSumy* out)
{
    TTable* t = DM()->PitD;
    t->ensureOpen();
    if (t->lookup({QStringLiteral("PodatId")}, {podatId}, QStringLiteral("PodatId")).isNull()) return false;
    TPitD d;
    if (!d.Load(podatId, kind)) return false;
    out->interest = d.InterestRelief();
    out->expenses = d.HousingExpenses();
    out->tax = d.TaxRelief();
    return true;
}

bool TPitD::AcceptField(int box, Amount& value)
{
    if (box == 49 && value > StalePitD::kLimitKasaMieszkaniowa) value = StalePitD::kLimitKasaMieszkaniowa;
    if (!value.isPositive()) return true;
    // Typing one share of a split fills the other with the rest.
    for (auto [first, total] : kPairs) {
        if (box != first && box != first + 1) continue;
        const int other = box == first ? first + 1 : first;
        const Amount rest = GetPole(total) - value;
        if (rest.isPositive()) {
            set(other, rest);
            SetEmpty(other, false);
        }
    }
    return true;
}

bool TPitD::partB2HasData() const { return !P39.trimmed().isEmpty() || !GetEmpty(40) || !GetEmpty(41); }
bool TPitD::partB3HasData() const { return !GetPole(42).isZero() || !GetEmpty(43); }
bool TPitD::partCHasData() const { return !GetEmpty(49) || !GetEmpty(50) || !GetEmpty(52); }

bool TPitD::DrukCustom(int box) const
{
    switch (box) {
    case 34: return GetDruk(32) || GetDruk(33);
    case 42:
    case 44: return partB2HasData() || partB3HasData();
    case 51:
    case 53: return !GetPole(box).isZero() || partCHasData();
    default: return false;
    }
}

void TPitD::splitNote(int a, int total, const QString& secondLine)
{
    if (p(a).isZero() && p(a + 1).isZero()) return;
    if (absAmount(p(a) + p(a + 1) - p(total)) <= StalePitD::kTolerancjaPodzialu) return;
    const QString t = QStringLiteral("Suma kwot odliczeń dla podatnika i małżonka\r") + secondLine;
    SetFieldNote(boxNote(a), ncRed, t);
    SetFieldNote(boxNote(a + 1), ncRed, t);
}

void TPitD::Calculate()
{
    clearBoxNotes();
    // B.1 interest relief and its split.
    if (p(32) < p(33))
        SetFieldNote(boxNote(33), ncRed, QStringLiteral("Wartość nie może być większa\rniż wartość z poz. 32"));
    set(34, PositivePart(p(32), p(33)));
    splitNote(35, 33, QStringLiteral("jest różna od kwoty z poz. 33"));
    splitNote(37, 34, QStringLiteral("jest różna od kwoty z poz. 34"));

    // B.2, B.3 housing expenses and their split.
    set(42, p(40) + p(41));
    if (p(42) < p(43))
        SetFieldNote(boxNote(43), ncRed, QStringLiteral("Kwota odliczenia nie może być większa\rod kwoty z poz.42"));
    set(44, PositivePart(p(42), p(43)));
    splitNote(45, 43, QStringLiteral("jest różna od kwoty z poz.43."));
    splitNote(47, 44, QStringLiteral("jest różna od kwoty z poz.44."));

    // C. housing savings bank, capped, and its split.
    set(49, Min(p(49), StalePitD::kLimitKasaMieszkaniowa));
    set(51, p(49) + p(50));
    if (p(51) < p(52))
        SetFieldNote(boxNote(52), ncRed, QStringLiteral("Kwota odliczenia nie może być większa\rod kwoty z poz.51"));
    set(53, PositivePart(p(51), p(52)));
    splitNote(54, 52, QStringLiteral("jest różna od kwoty z poz.52"));
    splitNote(56, 53, QStringLiteral("jest różna od kwoty z poz.53"));
}

void TPitD::verifySplit(int a, int total) const
{
    if (p(a).isZero() && p(a + 1).isZero()) return;
    if (absAmount(p(total) - p(a) - p(a + 1)) <= StalePitD::kTolerancjaPodzialu) return;
    addError(a, QStringLiteral("Suma kwot z poz.%1 i %2 jest różna od kwoty z poz.%3").arg(a).arg(a + 1).arg(total));
}

void TPitD::Verify() const
{
    DM()->ClearErrors();
    const TIdentyfikacja& id = *id_;
    const bool spouse = SpouseDataPresent();
    id.VerifyNip(stPodatnik);
    if (spouse) {
        id.VerifyNipDuplicate({1});
        id.VerifyNip(stMalzonek);
    }
    id.VerifyNames(stPodatnik, true);
    if (spouse) id.VerifyNamePair();
    id.VerifyBirthDate(stPodatnik, true);
    id.VerifyPesel(stPodatnik);
    id.VerifyAddress(stPodatnik, true);
    if (spouse) {
        id.VerifyNames(stMalzonek, true);
        id.VerifyBirthDate(stMalzonek, true);
        id.VerifyPesel(stMalzonek);
        id.VerifyAddress(stMalzonek, true);
    }

    if (p(32) < p(33)) addError(33, QStringLiteral("Kwota z poz.33 nie może być większa od kwoty z poz.32"));
    verifySplit(35, 33);
    verifySplit(37, 34);
    if (!P39.trimmed().isEmpty() || !p(40).isZero()) {
        if (P39.trimmed().isEmpty()) addError(39, QStringLiteral("Rodzaj odliczenia nie podany"));
        if (p(40).isZero()) addError(40, QStringLiteral("Kwota odliczenia nie podana"));
    }
    if (p(42) < p(43)) addError(43, QStringLiteral("Kwota z poz.43 nie może być większa od kwoty z poz.42"));
    verifySplit(45, 43);
    verifySplit(47, 44);
    if (p(51) < p(52)) addError(52, QStringLiteral("Kwota z poz.52 nie może być większa od kwoty z poz.51"));
    verifySplit(54, 52);
    verifySplit(56, 53);
}
