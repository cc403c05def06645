#include "Zalacznik.h"

#include "FDM.h"
#include "Messages.h"
#include "NumWeryf.h"

namespace {

const QString kPodatId = QStringLiteral("PodatId");
const QString kRodz = QStringLiteral("Rodz");
const QString kNrZal = QStringLiteral("NrZal");

TIdOptions oneOsoba()
{
    TIdOptions o;
    o.hasSpouse = false;
    o.addressCompletion = false;
    o.addressNotes = false;
    return o;
}

void addError(int box, const QString& text) { DM()->AddError(TBlad{box, text}); }

class TSuspendCalc {
public:
    explicit TSuspendCalc(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~TSuspendCalc() { flag_ = old_; }

private:
    bool& flag_;
    bool old_;
};

}  // namespace

TIdLayout OsobaLayout(int nip, int nazwisko, int imie, int dataUr, int pesel)
{
    TIdLayout l{};
    l.box[stPodatnik][idNip] = nip;
    l.box[stPodatnik][idNazwisko] = nazwisko;
    l.box[stPodatnik][idImie] = imie;
    l.box[stPodatnik][idDataUr] = dataUr;
    l.box[stPodatnik][idPesel] = pesel;
    return l;
}

TZalacznik::TZalacznik(std::span<const TBoxDef> boxes, int formKind, const TZalacznikDef& def,
                       const TIdLayout& layout)
    : TFormularz(boxes, formKind), def_(def)
{
    id_ = std::make_unique<TIdentyfikacja>(layout, oneOsoba());
}

void TZalacznik::Clear()
{
    TFormularz::Clear();
    glowny_.clear();
}

QString TZalacznik::CaptionName() const { return QStringLiteral(" - ") + Imie() + u' ' + Nazwisko(); }

void TZalacznik::LoadCounts(const TTable*) {}
void TZalacznik::LoadRow(const TTable*) {}
void TZalacznik::SaveRow(TTable*) const {}

bool TZalacznik::locateRow(TTable* t) const
{
    t->ensureOpen();
    if (def_.numbered) return t->locate({kPodatId, kRodz, kNrZal}, {PodatId, Rodz(), NrZal});
    return t->locate({kPodatId, kRodz}, {PodatId, Rodz()});
}

bool TZalacznik::Load(int podatId, int person, int nrZal)
{
    {
        TSuspendCalc quiet(suspendCalc_);
        Clear();
        if (!LocateTaxpayer(podatId)) {
            ShowWarning(MissingTaxpayerMessage(podatId));
            return false;
        }
        PodatId = podatId;
        Osoba = person == stMalzonek ? stMalzonek : stPodatnik;
        NrZal = def_.numbered ? nrZal : 0;
        const TTable* pod = DM()->Podatnik;
        glowny_ = pod->asString(QStringLiteral("Glowny"));
        LoadCounts(pod);
        id_->LoadFromRegister(pod, stPodatnik, Osoba);
        TTable* t = DM()->*def_.table;
        if (locateRow(t)) {
            LoadAmounts(t);
            LoadRow(t);
        }
        LoadRecords();
    }
    Calculate();
    return true;
}

bool TZalacznik::Save()
{
    if (!LocateTaxpayer(PodatId)) {
        ShowWarning(MissingTaxpayerMessage(PodatId));
        return false;
    }
    id_->SaveToRegister(DM()->Podatnik, stPodatnik, Osoba);
    TTable* t = DM()->*def_.table;
    if (locateRow(t)) {
        t->edit();
    } else {
        t->append();
        t->setValue(kPodatId, PodatId);
        t->setValue(kRodz, Rodz());
        if (def_.numbered) t->setValue(kNrZal, NrZal);
    }
    SaveBoxes(t);
    SaveRow(t);
    t->post();
    return true;
}

void TZalacznik::VerifyOsoba(TPeselCheck pesel) const
{
    const TOsoba& o = id_->osoba(stPodatnik);
    const QString& nip = o[idNip];
    if (IsBlankNumber(nip)) addError(idBox(idNip), QStringLiteral("NIP nie podany"));
    else if (!IsValidNip(nip)) addError(idBox(idNip), QStringLiteral("Nieprawidłowy NIP"));
    if (o[idNazwisko].isEmpty()) addError(idBox(idNazwisko), QStringLiteral("Nazwisko nie podane"));
    if (o[idImie].isEmpty()) addError(idBox(idImie), QStringLiteral("Imię nie podane"));
    if (!o.DataUr.isValid()) addError(idBox(idDataUr), QStringLiteral("Data urodzenia nie podana"));
    else if (!IsBirthDatePlausible(o.DataUr)) addError(idBox(idDataUr), BirthDateQuestion(o.DataUr));
    if (pesel == pcNone) return;
    const QString& p = o[idPesel];
    if (IsBlankNumber(p)) {
        addError(idBox(idPesel), QStringLiteral("PESEL nie podany"));
    } else if (!IsValidPesel(p)) {
        addError(idBox(idPesel), QStringLiteral("Nieprawidłowy PESEL"));
    } else if (pesel == pcNumberAndDate && o.DataUr.isValid() && PeselBirthDate(p) != o.DataUr) {
        const QString t = QStringLiteral("Niezgodność PESEL - data urodzenia");
        addError(idBox(idDataUr), t);
        addError(idBox(idPesel), t);
    }
}

// ---- Foreign income and lost reliefs ---------------------------------------------------------

bool TZagranica::Load(int podatId, int person, int nrZal, int pole)
{
    Przychod.reset();
    Koszty.reset();
    TTable* t = DM()->Zagranica;
    t->ensureOpen();
    // select() leaves the table's current row alone.
    const auto rows = t->select(QStringLiteral("PodatId = ? AND Rodz = ? AND NrZal = ? AND Pole = ?"),
                                {podatId, RodzCode(person), nrZal, pole},
                                {QStringLiteral("Przychod"), QStringLiteral("Koszty")});
    if (rows.isEmpty()) return false;
    if (!rows[0][0].isNull()) Przychod = rows[0][0].value<Amount>();
    if (!rows[0][1].isNull()) Koszty = rows[0][1].value<Amount>();
    return true;
}

void TZagranica::Save(int podatId, int person, int nrZal, int pole) const
{
    TTable* t = DM()->Zagranica;
    t->ensureOpen();
    const QString rodz = RodzCode(person);
    if (t->locate({kPodatId, kRodz, kNrZal, QStringLiteral("Pole")}, {podatId, rodz, nrZal, pole})) {
        t->edit();
    } else {
        t->append();
        t->setValue(kPodatId, podatId);
        t->setValue(kRodz, rodz);
        t->setValue(kNrZal, nrZal);
        t->setValue(QStringLiteral("Pole"), pole);
    }
    t->setAmount(QStringLiteral("Przychod"), Przychod);
    t->setAmount(QStringLiteral("Koszty"), Koszty);
    t->post();
}

bool TUtrata::Load(int podatId, int person)
{
    Gosp = Rol = Amount();
    TTable* t = DM()->Utrata;
    t->ensureOpen();
    const auto rows = t->select(QStringLiteral("PodatId = ? AND Rodz = ?"), {podatId, RodzCode(person)},
                                {QStringLiteral("Gosp"), QStringLiteral("Rol")});
    if (rows.isEmpty()) return false;
    if (!rows[0][0].isNull()) Gosp = rows[0][0].value<Amount>();
    if (!rows[0][1].isNull()) Rol = rows[0][1].value<Amount>();
    return true;
}

void TUtrata::Save(int podatId, int person) const
{
    TTable* t = DM()->Utrata;
    t->ensureOpen();
    const QString rodz = RodzCode(person);
    if (t->locate({kPodatId, kRodz}, {podatId, rodz})) {
        t->edit();
    } else {
        t->append();
        t->setValue(kPodatId, podatId);
        t->setValue(kRodz, rodz);
    }
    t->setAmount(QStringLiteral("Gosp"), Gosp);
    t->setAmount(QStringLiteral("Rol"), Rol);
    t->post();
}

QString TUtrata::Caption(int person)
{
    return (person == stMalzonek ? QStringLiteral("Małżonek") : QStringLiteral("Podatnik")) +
           QStringLiteral(" - utrata prawa do odliczeń lub zwolnienia");
}
