#include "Identyfikacja.h"

#include "FDM.h"
#include "Messages.h"
#include "NumWeryf.h"

namespace {

const TFieldNote kNoNote;

void addError(int box, const QString& text) { DM()->AddError(TBlad{box, text}); }

bool blankText(const QString& s, bool trim) { return trim ? s.trimmed().isEmpty() : s.isEmpty(); }

const char* const kColumns[idCount] = {"NIP",   "Nazwisko", "Imie",  "DataUr", "Pesel",
                                       "Kraj",  "Wojew",    "Powiat", "Gmina", "Ulica",
                                       "Posesja", "Lokal",  "Miasto", "KodPoczt", "Poczta"};

}  // namespace

bool TOsoba::anyFilled() const
{
    if (DataUr.isValid()) return true;
    for (int i = 0; i < idCount; ++i)
        if (i != idDataUr && !f[i].isEmpty()) return true;
    return false;
}

TIdentyfikacja::TIdentyfikacja(const TIdLayout& layout, const TIdOptions& options)
    : layout_(layout), opt_(options)
{
}

void TIdentyfikacja::Clear()
{
    os_[0] = TOsoba();
    os_[1] = TOsoba();
    notes_.clear();
    podzial_.Clear();
}

bool TIdentyfikacja::find(int box, int* side, int* fieldId) const
{
    if (box <= 0) return false;
    for (int s = 0; s < (opt_.hasSpouse ? 2 : 1); ++s)
        for (int i = 0; i < idCount; ++i)
            if (layout_.box[s][i] == box) {
                *side = s;
                *fieldId = i;
                return true;
            }
    return false;
}

QString TIdentyfikacja::Column(int side, int fieldId)
{
    return (side == stMalzonek ? QStringLiteral("M") : QString()) + QLatin1String(kColumns[fieldId]);
}

TFieldNote& TIdentyfikacja::note(int side, int id) { return notes_[layout_.box[side][id]]; }

const TFieldNote& TIdentyfikacja::Note(int box) const
{
    auto it = notes_.constFind(box);
    return it == notes_.cend() ? kNoNote : *it;
}

void TIdentyfikacja::SetText(int box, const QString& text)
{
    int s = 0, id = 0;
    if (!find(box, &s, &id)) return;
    switch (id) {
    case idNip: SetNip(box, text); break;
    case idPesel: SetPesel(box, text); break;
    case idDataUr: SetDataUr(box, QDate::fromString(text, Qt::ISODate)); break;
    case idKraj: SetKraj(box, text); break;
    case idWojew: SetWojew(box, text); break;
    case idPowiat: SetPowiat(box, text); break;
    case idGmina: SetGmina(box, text); break;
    case idMiasto: SetMiasto(box, text); break;
    case idKodPoczt: SetKodPoczt(box, text); break;
    default: SetPlain(box, text); break;
    }
}

QString TIdentyfikacja::Text(int box) const
{
    int s = 0, id = 0;
    if (!find(box, &s, &id)) return QString();
    if (id == idDataUr) return os_[s].DataUr.isValid() ? os_[s].DataUr.toString(Qt::ISODate) : QString();
    return os_[s].f[id];
}

void TIdentyfikacja::SetPlain(int box, const QString& text)
{
    int s = 0, id = 0;
    if (find(box, &s, &id) && id != idDataUr) field(s, id) = text;
}

// ---- NIP, PESEL and birth date ---------------------------------------------------------------

void TIdentyfikacja::SetNip(int box, const QString& nip)
{
    int s = 0, id = 0;
    if (!find(box, &s, &id) || id != idNip) return;
    field(s, idNip) = nip;
    RecomputeNipNotes();
}

void TIdentyfikacja::RecomputeNipNotes()
{
    const int sides = opt_.hasSpouse ? 2 : 1;
    for (int s = 0; s < sides; ++s) {
        TFieldNote& n = note(s, idNip);
        ClearFieldNote(n);
        if (!IsValidNip(os_[s][idNip])) SetFieldNote(n, ncRed, QStringLiteral("Nieprawidłowy NIP"));
    }
    if (opt_.hasSpouse && !IsBlankNumber(os_[0][idNip]) && os_[0][idNip] == os_[1][idNip]) {
        const QString t = QStringLiteral("NIP podatnika i małżonka jest taki sam");
        SetFieldNote(note(0, idNip), ncRed, t);
        SetFieldNote(note(1, idNip), ncRed, t);
    }
}

void TIdentyfikacja::SetPesel(int box, const QString& pesel)
{
    int s = 0, id = 0;
    if (!find(box, &s, &id) || id != idPesel) return;
    field(s, idPesel) = pesel;
    RecomputePeselNotes();
}

void TIdentyfikacja::SetDataUr(int box, const QDate& date)
{
    int s = 0, id = 0;
    if (!find(box, &s, &id) || id != idDataUr) return;
    os_[s].DataUr = date;
    RecomputePeselNotes();
}

void TIdentyfikacja::RecomputePeselNotes()
{
    auto side = [this](int s) {
        TFieldNote& pn = note(s, idPesel);
        TFieldNote& dn = note(s, idDataUr);
        ClearFieldNote(pn);
        ClearFieldNote(dn);
        const QString& pesel = os_[s][idPesel];
        if (!IsValidPesel(pesel)) {
            SetFieldNote(pn, ncRed, QStringLiteral("Nieprawidłowy PESEL"));
        } else if (!IsBlankNumber(pesel) && os_[s].DataUr.isValid() && PeselBirthDate(pesel) != os_[s].DataUr) {
            // An encoded day that does not exist gives no date, so it never matches.
            SetFieldNote(pn, ncRed, QStringLiteral("Niezgodność data urodzenia - PESEL"));
            dn = pn;
        }
    };
    side(stPodatnik);
    if (!opt_.hasSpouse) return;
    if (spouseActive()) {
        side(stMalzonek);
        if (!IsBlankNumber(os_[0][idPesel]) && os_[0][idPesel] == os_[1][idPesel]) {
            const QString t = QStringLiteral("PESEL podatnika i małżonka jest taki sam");
            SetFieldNote(note(0, idPesel), ncRed, t);
            SetFieldNote(note(1, idPesel), ncRed, t);
        }
    } else {
        ClearFieldNote(note(1, idPesel));
        ClearFieldNote(note(1, idDataUr));
    }
}

void TIdentyfikacja::FillDataUrFromPesel(int s)
{
    const QString& pesel = os_[s][idPesel];
    if (os_[s].DataUr.isValid() || IsBlankNumber(pesel) || !IsValidPesel(pesel)) return;
    const QDate d = PeselBirthDate(pesel);
    if (!d.isValid()) {
        ShowWarning(InvalidPeselDateMessage());
        return;
    }
    SetDataUr(box(s, idDataUr), d);
}

// ---- Address ---------------------------------------------------------------------------------

void TIdentyfikacja::setAddressPart(int s, int id, const QString& value)
{
    const int b = box(s, id);
    if (b == 0) {
        field(s, id) = value;
        return;
    }
    switch (id) {
    case idKraj: SetKraj(b, value); break;
    case idWojew: SetWojew(b, value); break;
    case idPowiat: SetPowiat(b, value); break;
    case idGmina: SetGmina(b, value); break;
    case idMiasto: SetMiasto(b, value); break;
    default: field(s, id) = value; break;
    }
}

void TIdentyfikacja::SetKraj(int box, const QString& kraj)
{
    int s = 0, id = 0;
    if (find(box, &s, &id) && id == idKraj) field(s, idKraj) = kraj;
}

void TIdentyfikacja::SetWojew(int box, const QString& wojew)
{
    int s = 0, id = 0;
    if (!find(box, &s, &id) || id != idWojew) return;
    field(s, idWojew) = wojew;
    if (opt_.addressCompletion && os_[s][idKraj].isEmpty() && !wojew.isEmpty()) {
        podzial_.FillFromWojew(wojew);
        setAddressPart(s, idKraj, podzial_.Kraj);
    }
    TFieldNote& n = note(s, idWojew);
    ClearFieldNote(n);
    if (!opt_.addressNotes) return;
    if ((!opt_.addressRulesOnlyInPoland || IsPoland(os_[s][idKraj])) && !IsValidWojew(wojew))
        SetFieldNote(n, ncRed, QStringLiteral("Nieprawidłowa nazwa województwa"));
}

void TIdentyfikacja::SetPowiat(int box, const QString& powiat)
{
    int s = 0, id = 0;
    if (!find(box, &s, &id) || id != idPowiat || os_[s][idPowiat] == powiat) return;
    field(s, idPowiat) = powiat;
    if (opt_.addressCompletion && os_[s][idKraj].isEmpty() && os_[s][idWojew].isEmpty() && !powiat.isEmpty()) {
        podzial_.FillFromPowiat(powiat);
        const TPodzial p = podzial_;   // the setters below may look up again
        setAddressPart(s, idKraj, p.Kraj);
        setAddressPart(s, idWojew, p.Wojew);
    }
}

void TIdentyfikacja::SetGmina(int box, const QString& gmina)
{
    int s = 0, id = 0;
    if (!find(box, &s, &id) || id != idGmina || os_[s][idGmina] == gmina) return;
    field(s, idGmina) = gmina;
    const TOsoba& o = os_[s];
    if (opt_.addressCompletion && o[idKraj].isEmpty() && o[idWojew].isEmpty() && o[idPowiat].isEmpty() &&
        !gmina.isEmpty()) {
        podzial_.FillFromGmina(gmina);
        const TPodzial p = podzial_;
        setAddressPart(s, idKraj, p.Kraj);
        setAddressPart(s, idWojew, p.Wojew);
        setAddressPart(s, idPowiat, p.Powiat);
    }
}

void TIdentyfikacja::SetMiasto(int box, const QString& miasto)
{
    int s = 0, id = 0;
    if (!find(box, &s, &id) || id != idMiasto || os_[s][idMiasto] == miasto) return;
    field(s, idMiasto) = miasto;
    const TOsoba& o = os_[s];
    if (opt_.addressCompletion && o[idKraj].isEmpty() && o[idWojew].isEmpty() && o[idPowiat].isEmpty() &&
        o[idGmina].isEmpty() && !miasto.isEmpty()) {
        podzial_.FillFromMiasto(miasto);
        const TPodzial p = podzial_;
        setAddressPart(s, idKraj, p.Kraj);
        setAddressPart(s, idWojew, p.Wojew);
        setAddressPart(s, idPowiat, p.Powiat);
        setAddressPart(s, idGmina, p.Gmina);
    }
}

void TIdentyfikacja::SetKodPoczt(int box, const QString& kod)
{
    int s = 0, id = 0;
    if (!find(box, &s, &id) || id != idKodPoczt) return;
    if (os_[s][idKodPoczt] != kod) {
        const bool format = opt_.addressNotes && (!opt_.addressRulesOnlyInPoland || IsPoland(os_[s][idKraj]));
        field(s, idKodPoczt) = format ? FormatKodPoczt(kod) : kod;
        const TOsoba& o = os_[s];
        if (opt_.addressCompletion && o[idKraj].isEmpty() && o[idWojew].isEmpty() && o[idPowiat].isEmpty() &&
            o[idGmina].isEmpty() && o[idMiasto].isEmpty() && o[idPoczta].isEmpty() && !kod.isEmpty()) {
            podzial_.FillFromKodPoczt(kod);
            const TPodzial p = podzial_;
            setAddressPart(s, idKraj, p.Kraj);
            setAddressPart(s, idWojew, p.Wojew);
            setAddressPart(s, idPowiat, p.Powiat);
            setAddressPart(s, idGmina, p.Gmina);
            setAddressPart(s, idMiasto, p.Miasto);
            field(s, idPoczta) = p.Poczta;
        }
    }
    TFieldNote& n = note(s, idKodPoczt);
    ClearFieldNote(n);
    if (!opt_.addressNotes) return;
    if ((!opt_.addressRulesOnlyInPoland || IsPoland(os_[s][idKraj])) && !IsValidKodPoczt(os_[s][idKodPoczt]))
        SetFieldNote(n, ncRed, QStringLiteral("Nieprawidłowy numer kodu pocztowego"));
}

// ---- Register --------------------------------------------------------------------------------

void TIdentyfikacja::LoadFromRegister(const TTable* t, int s, int registerSide)
{
    const int rs = registerSide < 0 ? s : registerSide;
    for (int id = 0; id < idCount; ++id) {
        const int b = box(s, id);
        if (b == 0) continue;
        if (id == idDataUr) SetDataUr(b, t->asDate(Column(rs, id)));
        else SetText(b, t->asString(Column(rs, id)));
    }
}

void TIdentyfikacja::SaveToRegister(TTable* t, int s, int registerSide) const
{
    const int rs = registerSide < 0 ? s : registerSide;
    for (int id = 0; id < idCount; ++id) {
        if (box(s, id) == 0) continue;
        const QString col = Column(rs, id);
        if (id == idDataUr) {
            const QDate d = os_[s].DataUr;
            if (t->asDate(col) == d) continue;
            t->edit();
            if (d.isValid()) t->setValue(col, d);
            else t->setNull(col);
        } else {
            if (t->asString(col) == os_[s][id]) continue;
            t->edit();
            t->setValue(col, os_[s][id]);
        }
        t->post();
    }
}

// ---- Verify ----------------------------------------------------------------------------------

void TIdentyfikacja::VerifyNip(int s) const
{
    const QString& nip = os_[s][idNip];
    const bool p = s == stPodatnik;
    if (IsBlankNumber(nip))
        addError(box(s, idNip), p ? QStringLiteral("NIP podatnika nie podany") : QStringLiteral("NIP małżonka nie podany"));
    else if (!IsValidNip(nip))
        addError(box(s, idNip),
                 p ? QStringLiteral("Nieprawidłowy NIP podatnika") : QStringLiteral("Nieprawidłowy NIP małżonka"));
}

void TIdentyfikacja::VerifyNipDuplicate(std::initializer_list<int> reportOn) const
{
    if (IsBlankNumber(os_[0][idNip]) || os_[0][idNip] != os_[1][idNip]) return;
    for (int b : reportOn)
        if (b) addError(b, QStringLiteral("NIP podatnika i małżonka jest taki sam"));
}

void TIdentyfikacja::VerifyNames(int s, bool trim) const
{
    const bool p = s == stPodatnik;
    if (blankText(os_[s][idNazwisko], trim))
        addError(box(s, idNazwisko),
                 p ? QStringLiteral("Nazwisko podatnika nie podane") : QStringLiteral("Nazwisko małżonka nie podane"));
    if (blankText(os_[s][idImie], trim))
        addError(box(s, idImie), p ? QStringLiteral("Imię podatnika nie podane") : QStringLiteral("Imię małżonka nie podane"));
}

void TIdentyfikacja::VerifyNamePair() const
{
    const QString& a = os_[0][idImie];
    const QString& b = os_[1][idImie];
    const int at = box(stPodatnik, idImie);
    if (!a.trimmed().isEmpty() && a == b) addError(at, QStringLiteral("Imię podatnika i małżonka jest takie samo"));
    if (a.trimmed().isEmpty() || b.trimmed().isEmpty()) return;
    const QString same = QStringLiteral("Imię podatnika i małżonka określają tę samą płeć");
    if (DM()->IsFemaleName(a) && DM()->IsFemaleName(b)) addError(at, same);
    if (DM()->IsMaleName(a) && DM()->IsMaleName(b)) addError(at, same);
}

void TIdentyfikacja::VerifyBirthDate(int s, bool plausibility) const
{
    const QDate& d = os_[s].DataUr;
    if (!d.isValid())
        addError(box(s, idDataUr), s == stPodatnik ? QStringLiteral("Data urodzenia podatnika nie podana")
                                                   : QStringLiteral("Data urodzenia małżonka nie podana"));
    else if (plausibility && !IsBirthDatePlausible(d))
        addError(box(s, idDataUr), BirthDateQuestion(d));
}

void TIdentyfikacja::VerifyPesel(int s) const
{
    const QString& pesel = os_[s][idPesel];
    if (IsBlankNumber(pesel)) {
        addError(box(s, idPesel), QStringLiteral("PESEL nie podany"));
    } else if (!IsValidPesel(pesel)) {
        addError(box(s, idPesel), QStringLiteral("Nieprawidłowy PESEL"));
    } else if (os_[s].DataUr.isValid() && PeselBirthDate(pesel) != os_[s].DataUr) {
        const QString t = QStringLiteral("Niezgodność PESEL - data urodzenia");
        addError(box(s, idDataUr), t);
        addError(box(s, idPesel), t);
    }
}

void TIdentyfikacja::VerifyAddress(int s, bool trim) const
{
    const TOsoba& o = os_[s];
    auto blank = [&](int id) { return blankText(o[id], trim); };
    const bool poland = IsPoland(o[idKraj]);
    if (blank(idKraj)) addError(box(s, idKraj), QStringLiteral("Nazwa kraju nie podana"));
    if (blank(idWojew)) addError(box(s, idWojew), QStringLiteral("Nazwa województwa nie podana"));
    else if (poland && !IsValidWojew(o[idWojew]))
        addError(box(s, idWojew), QStringLiteral("Nieprawidłowa nazwa województwa"));
    if (blank(idPowiat)) addError(box(s, idPowiat), QStringLiteral("Nazwa powiatu nie podana"));
    if (blank(idGmina)) addError(box(s, idGmina), QStringLiteral("Nazwa gminy nie podana"));
    if (blank(idUlica)) addError(box(s, idUlica), QStringLiteral("Nazwa ulicy nie podana"));
    if (blank(idPosesja)) addError(box(s, idPosesja), QStringLiteral("Numer domu nie podany"));
    if (blank(idMiasto)) addError(box(s, idMiasto), QStringLiteral("Nazwa miejscowości nie podana"));
    if (blank(idKodPoczt)) addError(box(s, idKodPoczt), QStringLiteral("Kod pocztowy nie podany"));
    else if ((poland || !opt_.addressRulesOnlyInPoland) && !IsValidKodPoczt(o[idKodPoczt]))
        addError(box(s, idKodPoczt), QStringLiteral("Nieprawidłowy numer kod pocztowego"));
}

// ---- Layouts ---------------------------------------------------------------------------------

namespace IdLayouts {

const TIdLayout& Pit37()
{
    static const TIdLayout l{{{{1, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}},
                              {{2, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38}}}};
    return l;
}

const TIdLayout& PitO()
{
    static const TIdLayout l{{{{1, 5, 6, 7, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
                              {{2, 9, 10, 11, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}}};
    return l;
}

const TIdLayout& PitD()
{
    static const TIdLayout l{{{{1, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
                              {{2, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31}}}};
    return l;
}

}  // namespace IdLayouts
