#include "Deklaracja.h"

#include "FDM.h"
#include "FUrzad.h"
#include "Messages.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// Calculate is run once at the end of Load, not after every box read.
class TSuspendCalc {
public:
    explicit TSuspendCalc(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~TSuspendCalc() { flag_ = old_; }

private:
    bool& flag_;
    bool old_;
};

const QString kPodatId = QStringLiteral("PodatId");

}  // namespace

TDeklaracja::TDeklaracja(std::span<const TBoxDef> boxes, int formKind, const TDeklaracjaDef& def,
                         const TIdLayout& layout, const TIdOptions& idOptions)
    : TDeklaracja(boxes, formKind, def, std::make_unique<TIdentyfikacja>(layout, idOptions))
{
}

TDeklaracja::TDeklaracja(std::span<const TBoxDef> boxes, int formKind, const TDeklaracjaDef& def,
                         std::unique_ptr<TIdentyfikacja> identyfikacja)
    : TFormularz(boxes, formKind), def_(def)
{
    id_ = std::move(identyfikacja);
    id_->setSpouseActive([this] { return IsJoint(); });
}

void TDeklaracja::Clear()
{
    TFormularz::Clear();
    sposob_ = 0;
    cel_[0] = true;
    cel_[1] = false;
    Urzad.clear();
    NazwaOPP.clear();
    NumerOPP.clear();
    Pelnomocnik.clear();
}

bool TDeklaracja::Load(int podatId)
{
    if (!LocateTaxpayer(podatId)) {
        ShowWarning(MissingTaxpayerMessage(podatId));
        return false;
    }
    const TTable* pod = DM()->Podatnik;
    {
        TSuspendCalc quiet(suspendCalc_);
        Clear();
        PodatId = podatId;
        sposob_ = FilingMethodCode(pod->asInt(QStringLiteral("Sposob")));
        LoadCounts(pod);
        id_->LoadFromRegister(pod, stPodatnik);
        if (id_->options().hasSpouse && IsJoint()) id_->LoadFromRegister(pod, stMalzonek);
        Urzad.clear();
        if (const int u = pod->asInt(QStringLiteral("UrzadId")); u > 0) {
            TUrzad urzad;
            urzad.Load(u);
            SetUrzad(urzad.Nazwa);
        }
        LoadAttachments();
        TTable* t = DM()->*def_.table;
        t->ensureOpen();
        if (t->locate(kPodatId, podatId)) {
            SetCel(1, t->asBool(QLatin1String(def_.celColumns[0])));
            SetCel(2, t->asBool(QLatin1String(def_.celColumns[1])));
            LoadBoxes(t);
            LoadRow(t);
        }
    }
    Calculate();
    return true;
}

bool TDeklaracja::Save()
{
    if (!LocateTaxpayer(PodatId)) {
        ShowWarning(MissingTaxpayerMessage(PodatId));
        return false;
    }
    TTable* pod = DM()->Podatnik;
    id_->SaveToRegister(pod, stPodatnik);
    if (id_->options().hasSpouse && IsJoint()) id_->SaveToRegister(pod, stMalzonek);
    const int urzadId = GetUrzadId();
    if (urzadId != pod->asInt(QStringLiteral("UrzadId"))) {
        pod->edit();
        pod->setValue(QStringLiteral("UrzadId"), urzadId);
        pod->post();
    }
    TTable* t = DM()->*def_.table;
    t->ensureOpen();
    if (t->locate(kPodatId, PodatId)) {
        t->edit();
    } else {
        t->append();
        t->setValue(kPodatId, PodatId);
    }
    t->setValue(QLatin1String(def_.celColumns[0]), cel_[0]);
    t->setValue(QLatin1String(def_.celColumns[1]), cel_[1]);
    SaveBoxes(t);
    SaveRow(t);
    t->post();
    return true;
}

int TDeklaracja::GetUrzadId() const
{
    TTable* u = DM()->Urzedy;
    u->ensureOpen();
    const QVariant id = u->lookup({QStringLiteral("Nazwa")}, {Urzad}, QStringLiteral("UrzadId"));
    return id.isNull() ? 0 : id.toInt();
}

void TDeklaracja::SetCel(int square, bool flag)
{
    const int i = square == 2 ? 1 : 0;
    if (cel_[i] == flag) return;
    cel_[i] = flag;
    cel_[1 - i] = !flag;
}

bool TDeklaracja::HasOpp() const
{
    return !NazwaOPP.trimmed().isEmpty() || !NumerOPP.trimmed().isEmpty() || !GetEmpty(def_.oppBoxes[2]);
}

void TDeklaracja::LoadCounts(const TTable*) {}
void TDeklaracja::LoadAttachments() {}

void TDeklaracja::LoadRow(const TTable* t)
{
    NazwaOPP = t->asString(QStringLiteral("NazwaOPP"));
    NumerOPP = t->asString(QStringLiteral("NumerOPP"));
    Pelnomocnik = t->asString(QStringLiteral("Pelnomocnik"));
}

void TDeklaracja::SaveRow(TTable* t) const
{
    t->setValue(QStringLiteral("NazwaOPP"), NazwaOPP);
    t->setValue(QStringLiteral("NumerOPP"), NumerOPP);
    t->setValue(QStringLiteral("Pelnomocnik"), Pelnomocnik);
}

void TDeklaracja::VerifyIdentification(bool spouseNip, bool spouseChecks) const
{
    const TIdVerifyRules& r = def_.verify;
    const TIdentyfikacja& id = *id_;
    const bool spouse = id.options().hasSpouse;
    id.VerifyNip(stPodatnik);
    if (spouse && spouseNip) {
        id.VerifyNipDuplicate({r.nipDuplicateOn[0], r.nipDuplicateOn[1]});
        id.VerifyNip(stMalzonek);
    }
    if (Urzad.isEmpty()) AddError(r.officeBox, QStringLiteral("Nazwa urzędu skarbowego nie podana"));
    if (r.purposeBox && !cel_[0] && !cel_[1]) AddError(r.purposeBox, QStringLiteral("Cel złożenia formularza nie podany"));
    id.VerifyNames(stPodatnik, r.trim);
    if (spouse) id.VerifyNamePair();
    id.VerifyBirthDate(stPodatnik, true);
    id.VerifyPesel(stPodatnik);
    id.VerifyAddress(stPodatnik, r.trim);
    if (spouse && spouseChecks) {
        id.VerifyNames(stMalzonek, r.trim);
        id.VerifyBirthDate(stMalzonek, r.spousePlausibility);
        id.VerifyPesel(stMalzonek);
        id.VerifyAddress(stMalzonek, r.trim);
    }
}

void TDeklaracja::VerifyOpp(Amount taxDue) const
{
    if (!HasOpp()) return;
    const int* b = def_.oppBoxes;
    if (NazwaOPP.trimmed().isEmpty()) AddError(b[0], QStringLiteral("Nazwa OPP nie podana"));
    if (NumerOPP.trimmed().isEmpty()) AddError(b[1], QStringLiteral("Numer KRS nie podany"));
    const Amount kwota = GetPole(b[2]);
    if (!kwota.isPositive()) AddError(b[2], QStringLiteral("Wnioskowana kwota nie podana"));
    if (OnePercentLimit(taxDue) < kwota)
        AddError(b[2], QStringLiteral("Wnioskowana kwota przekracza kwotę możliwego odliczenia"));
}

QStringList TDeklaracja::TextLines(const QString& text)
{
    static const QRegularExpression eol(QStringLiteral("\r\n|\r|\n"));
    return text.isEmpty() ? QStringList() : text.split(eol);
}

void TDeklaracja::setOppNote(Amount taxDue)
{
    const int box = def_.oppBoxes[2];
    ClearFieldNote(boxNote(box));
    const Amount limit = OnePercentLimit(taxDue);
    if (limit < GetPole(box))
        SetFieldNote(boxNote(box), ncRed,
                     QStringLiteral("Wnioskowana kwota przekracza kwotę\rmożliwą do odliczenia = ") + FormatAmount(limit));
}

void TDeklaracja::SetExclusiveSquare(bool* squares, int count, int square, bool flag)
{
    if (square < 1 || square > count) return;
    if (flag) std::fill(squares, squares + count, false);
    squares[square - 1] = flag;
}
