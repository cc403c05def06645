#include "FPitZG.h"

#include "FDM.h"

namespace {

using D = TDruk;

constexpr TBoxDef kBoxes[] = {
    // C.1 rows 1..6: income art.27 ust.8, income art.27 ust.9 and 9a, tax paid abroad
    Derived(9, D::NonZero), Derived(10, D::NonZero), Typed(11, "P11"),
    Typed(12, "P12"), Derived(13, D::NonZero), Typed(14, "P14"),
    Typed(15, "P15"), Derived(16, D::NonZero), Typed(17, "P17"),
    Typed(18, "P18"), Derived(19, D::NonZero), Typed(20, "P20"),
    Typed(21, "P21"), Derived(22, D::NonZero), Typed(23, "P23"),
    Typed(24, "P24"), Derived(25, D::NonZero), Typed(26, "P26"),
    // C.1 row 7: totals
    Derived(27, D::Custom), Derived(28, D::Custom), Derived(29, D::Custom),
    // C.2 (PIT-36L) and C.3 (PIT-38): income, tax paid abroad
    Derived(30, D::Custom), Typed(31, "P31", D::Custom),
    Derived(32, D::Custom), Typed(33, "P33", D::Custom),
};

constexpr int kForeignBoxes[] = {9, 10, 13, 16, 19, 22, 25, 30, 32};

const TZalacznikDef kDef{&TDM::PitZG, true};

}  // namespace

TPitZG::TPitZG() : TZalacznik(kBoxes, fkPitZG, kDef, OsobaLayout(1, 3, 4, 5, 6)) { Clear(); }

void TPitZG::Clear()
{
    TZalacznik::Clear();
    Kraj.clear();
    rodzaj_ = rzPit36;
    liczba_ = 0;
    przychod_.clear();
    koszty_.clear();
}

QString TPitZG::Caption() const
{
    return QStringLiteral("PIT/ZG [") + QString::number(NrZal) + u']' + CaptionName();
}

bool TPitZG::IsForeignBox(int box)
{
    for (int b : kForeignBoxes)
        if (b == box) return true;
    return false;
}

int TPitZG::sectionOf(int box) const
{
    if (box >= 9 && box <= 29) return rzPit36;
    if (box == 30 || box == 31) return rzPit36L;
    if (box == 32 || box == 33) return rzPit38;
    return -1;
}

bool TPitZG::SectionAvailable(int box) const { return sectionOf(box) == rodzaj_; }

QString TPitZG::SectionMessage(int box)
{
    const char* form = box == 30 || box == 31 ? "PIT-36L" : box == 32 || box == 33 ? "PIT-38" : "PIT-36";
    return QStringLiteral("Pozycja jest dostępna tylko wtedy, gdy załącznik PIT/ZG\njest dołączany do zeznania ") +
           QLatin1String(form) + u'.';
}

void TPitZG::LoadCounts(const TTable* pod)
{
    const QString g = pod->asString(QStringLiteral("Glowny"));
    rodzaj_ = g == QLatin1String("PIT-36L") ? rzPit36L : g == QLatin1String("PIT-38") ? rzPit38 : rzPit36;
    liczba_ = pod->asInt(Osoba == stMalzonek ? QStringLiteral("PitZGMal") : QStringLiteral("PitZGPod"));
}

bool TPitZG::LoadsBox(int box) const { return SectionAvailable(box); }

void TPitZG::LoadRow(const TTable* row)
{
    Kraj = row->asString(QStringLiteral("P7"));
}

void TPitZG::LoadRecords()
{
    // The records of the section's income boxes; the other sections stay empty.
    for (int b : kForeignBoxes) {
        if (!SectionAvailable(b)) continue;
        TZagranica z;
        if (!z.Load(PodatId, Osoba, NrZal, b)) continue;
        przychod_[b] = z.Przychod.value_or(Amount());
        koszty_[b] = z.Koszty.value_or(Amount());
    }
}

void TPitZG::SaveRow(TTable* row) const { row->setValue(QStringLiteral("P7"), Kraj); }

void TPitZG::setForeign(std::map<int, Amount>& m, const char* op, int box, Amount value)
{
    if (!IsForeignBox(box)) {
        warnUndefined(op, box);
        return;
    }
    const auto it = m.find(box);
    const Amount old = it == m.end() ? Amount() : it->second;
    if (value.isNegative() || value == old) return;
    m[box] = value;
    if (!suspendCalc_) Calculate();
}

void TPitZG::SetPrzychod(int box, Amount value) { setForeign(przychod_, "SetPrzychod", box, value); }
void TPitZG::SetKoszty(int box, Amount value) { setForeign(koszty_, "SetKoszty", box, value); }

Amount TPitZG::Przychod(int box) const
{
    const auto it = przychod_.find(box);
    return it == przychod_.end() ? Amount() : it->second;
}

Amount TPitZG::Koszty(int box) const
{
    const auto it = koszty_.find(box);
    return it == koszty_.end() ? Amount() : it->second;
}

void TPitZG::Calculate()
{
    for (int b : kForeignBoxes) set(b, Przychod(b) - Koszty(b));
    set(27, p(9) + p(12) + p(15) + p(18) + p(21) + p(24));
    set(28, p(10) + p(13) + p(16) + p(19) + p(22) + p(25));
    set(29, p(11) + p(14) + p(17) + p(20) + p(23) + p(26));
}

bool TPitZG::DrukCustom(int box) const { return SectionAvailable(box); }

void TPitZG::Verify() const
{
    DM()->ClearErrors();
    id_->VerifyNip(stPodatnik);
    id_->VerifyNames(stPodatnik, false);
    id_->VerifyBirthDate(stPodatnik, true);
    if (Kraj.trimmed().isEmpty()) AddError(7, QStringLiteral("Państwo uzyskania dochodu nie podane"));
}
