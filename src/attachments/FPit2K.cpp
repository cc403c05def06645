#include "FPit2K.h"

#include "FDM.h"
#include "Messages.h"

namespace {

const QString kPodatId = QStringLiteral("PodatId");
const char* const kInwestycja[TPit2K::inCount] = {"Budowa", "Wklad", "Zakup", "Nadbud"};

}  // namespace

void TPit2K::Clear()
{
    PodatId = 0;
    Osoba[0] = Osoba[1] = TOsoba();
    RokKred = RokBud = RokZak = 0;
    KwKred.reset();
    KwWydat.reset();
    KwFakt.reset();
    for (bool& f : inwestycja_) f = false;
    DataDekl = QDate::currentDate();
}

QString TPit2K::Caption() const
{
    return QStringLiteral("PIT-2K - ") + Osoba[0][idImie] + u' ' + Osoba[0][idNazwisko];
}

QString TPit2K::AmountHint() { return QStringLiteral("Limit odliczeń wynosi 19 % wydatków"); }

void TPit2K::SetInwestycja(int kind, bool flag)
{
    if (kind < 0 || kind >= inCount) return;
    if (flag)
        for (bool& f : inwestycja_) f = false;
    inwestycja_[kind] = flag;
}

bool TPit2K::Load(int podatId)
{
    Clear();
    if (!TFormularz::LocateTaxpayer(podatId)) {
        ShowWarning(MissingTaxpayerMessage(podatId));
        return false;
    }
    PodatId = podatId;
    const TTable* pod = DM()->Podatnik;
    for (int s = 0; s < 2; ++s) {
        for (int id = 0; id < idCount; ++id)
            if (id != idDataUr) Osoba[s].f[id] = pod->asString(TIdentyfikacja::Column(s, id));
        Osoba[s].DataUr = pod->asDate(TIdentyfikacja::Column(s, idDataUr));
    }
    TTable* t = DM()->Pit2K;
    t->ensureOpen();
    if (!t->locate(kPodatId, podatId)) return true;
    RokKred = t->asInt(QStringLiteral("RokKred"));
    KwKred = t->amountOrNull(QStringLiteral("KwKred"));
    RokBud = t->asInt(QStringLiteral("RokBud"));
    RokZak = t->asInt(QStringLiteral("RokZak"));
    for (int k = 0; k < inCount; ++k)
        if (t->asBool(QLatin1String(kInwestycja[k]))) SetInwestycja(k, true);
    KwWydat = t->amountOrNull(QStringLiteral("KwWydat"));
    KwFakt = t->amountOrNull(QStringLiteral("KwFakt"));
    if (const QDate d = t->asDate(QStringLiteral("DataDekl")); d.isValid()) DataDekl = d;
    return true;
}

bool TPit2K::CheckForSave() const
{
    // A construction not finished yet has no end year and is no error.
    if (RokZak != 0 && RokZak < RokBud) {
        ShowWarning(QStringLiteral("Rok zakończenia budowy jest\nwcześniejszy od roku rozpoczęcia."));
        return false;
    }
    if (KwFakt.value_or(Amount()) > KwWydat.value_or(Amount())) {
        ShowWarning(QStringLiteral("Kwota wydatków udokumentowana fakturami VAT\njest większa od kwoty łącznych wydatków."));
        return false;
    }
    return true;
}

bool TPit2K::Save()
{
    if (!TFormularz::LocateTaxpayer(PodatId)) {
        ShowWarning(MissingTaxpayerMessage(PodatId));
        return false;
    }
    TTable* t = DM()->Pit2K;
    t->ensureOpen();
    if (t->locate(kPodatId, PodatId)) {
        t->edit();
    } else {
        t->append();
        t->setValue(kPodatId, PodatId);
    }
    auto year = [t](const char* col, int y) {
        if (y > 0) t->setValue(QLatin1String(col), y);
        else t->setNull(QLatin1String(col));
    };
    year("RokKred", RokKred);
    t->setAmount(QStringLiteral("KwKred"), KwKred);
    year("RokBud", RokBud);
    year("RokZak", RokZak);
    for (int k = 0; k < inCount; ++k) t->setValue(QLatin1String(kInwestycja[k]), inwestycja_[k]);
    t->setAmount(QStringLiteral("KwWydat"), KwWydat);
    t->setAmount(QStringLiteral("KwFakt"), KwFakt);
    if (DataDekl.isValid()) t->setValue(QStringLiteral("DataDekl"), DataDekl);
    else t->setNull(QStringLiteral("DataDekl"));
    t->post();
    return true;
}
