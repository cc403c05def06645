#pragma once
// Identification of the taxpayer and the spouse as a form shows it: the register fields,
// their box numbers on one form, the live notes of the setters, address completion, the
// write-back to the register and the checks every form runs first in Verify.
//
// A form describes where the fields sit with a TIdLayout (box 0 = not on this form) and
// picks its variations with TIdOptions; everything else is shared. Forms whose setters
// differ further (e.g. a form that completes the country without a look-up) derive from
// TIdentyfikacja and override the virtual setters.

#include "Globals.h"
#include "Podzial.h"

#include <QDate>
#include <QHash>
#include <QString>

#include <array>
#include <functional>

class TTable;

// The identification fields of one person, in register order.
enum TIdPole : int {
    idNip, idNazwisko, idImie, idDataUr, idPesel, idKraj, idWojew, idPowiat, idGmina, idUlica,
    idPosesja, idLokal, idMiasto, idKodPoczt, idPoczta,
    idCount
};

enum TStrona : int { stPodatnik = 0, stMalzonek = 1 };

// Box number of each field per side on one form; 0 where the form lacks the field.
struct TIdLayout {
    std::array<int, idCount> box[2];
};

struct TIdOptions {
    bool hasSpouse = true;
    // Typing a coarser-free address part looks up the coarser parts (TPodzial).
    bool addressCompletion = true;
    // Voivodeship note and postal-code formatting only for an address in Poland.
    bool addressRulesOnlyInPoland = true;
    // Voivodeship and postal-code notes at all (off for a form filed with PIT-28).
    bool addressNotes = true;
};

struct TOsoba {
    std::array<QString, idCount> f;   // f[idDataUr] unused: the date is DataUr
    QDate DataUr;

    const QString& operator[](int id) const { return f[id]; }
    bool anyFilled() const;
};

class TIdentyfikacja {
public:
    TIdentyfikacja(const TIdLayout& layout, const TIdOptions& options);
    virtual ~TIdentyfikacja() = default;

    // Whether the spouse's PESEL notes and duplicates count (joint filing, spouse data present ...).
    void setSpouseActive(std::function<bool()> f) { spouseActive_ = std::move(f); }
    bool spouseActive() const { return opt_.hasSpouse && spouseActive_ && spouseActive_(); }

    void Clear();

    const TIdLayout& layout() const { return layout_; }
    const TIdOptions& options() const { return opt_; }
    TIdOptions& options() { return opt_; }
    const TOsoba& osoba(int side) const { return os_[side]; }
    int box(int side, int field) const { return layout_.box[side][field]; }
    // The side and field of a box; false when the box is no identification field here.
    bool find(int box, int* side, int* field) const;

    // Any field by box number: the setter where there is one, plain assignment otherwise
    // (a date field takes "yyyy-MM-dd" text). Unknown boxes are ignored.
    void SetText(int box, const QString& text);
    QString Text(int box) const;

    virtual void SetNip(int box, const QString& nip);
    virtual void SetPesel(int box, const QString& pesel);
    virtual void SetDataUr(int box, const QDate& date);
    virtual void SetKraj(int box, const QString& kraj);
    virtual void SetWojew(int box, const QString& wojew);
    virtual void SetPowiat(int box, const QString& powiat);
    virtual void SetGmina(int box, const QString& gmina);
    virtual void SetMiasto(int box, const QString& miasto);
    virtual void SetKodPoczt(int box, const QString& kod);
    void SetPlain(int box, const QString& text);

    // Fills an empty birth date from a valid PESEL (the editor does so as the PESEL is typed).
    // A PESEL whose encoded day does not exist leaves the date empty and warns.
    void FillDataUrFromPesel(int side);

    // Notes of the identification boxes (an empty note for any other box).
    const TFieldNote& Note(int box) const;
    void RecomputeNipNotes();
    void RecomputePeselNotes();

    // The register's columns of a field ("NIP", "MNIP", ...).
    static QString Column(int side, int field);
    // Reads the side's fields present on the form from the current register row through the setters.
    // `registerSide` names the register's columns when they differ from the form's side (a
    // one-person attachment shows the spouse's fields "MNIP" ... in its only column).
    void LoadFromRegister(const TTable* podatnik, int side, int registerSide = -1);
    // Writes back every field of the side that differs from the register, one post per field.
    void SaveToRegister(TTable* podatnik, int side, int registerSide = -1) const;

    // ---- Verify: the shared identification checks; each finding goes to the error list. ----
    void VerifyNip(int side) const;
    // Taxpayer NIP equal to the spouse's, reported on each box given.
    void VerifyNipDuplicate(std::initializer_list<int> reportOn) const;
    // Surname, first name; `trim` compares after trimming.
    void VerifyNames(int side, bool trim) const;
    // Same first name, names of the same sex; reported on the taxpayer's first-name box.
    void VerifyNamePair() const;
    void VerifyBirthDate(int side, bool plausibility) const;
    void VerifyPesel(int side) const;
    // Country ... postal code; flat number and post office are optional. The voivodeship is
    // checked for an address in Poland; the postal code likewise unless the form checks it always.
    void VerifyAddress(int side, bool trim) const;

protected:
    QString& field(int side, int id) { return os_[side].f[id]; }
    TFieldNote& note(int side, int id);
    void setAddressPart(int side, int id, const QString& value);

    TIdLayout layout_;
    TIdOptions opt_;
    std::function<bool()> spouseActive_;
    TOsoba os_[2];
    QHash<int, TFieldNote> notes_;
    TPodzial podzial_;
};

// Box layouts of the forms that share the identification of the taxpayer and spouse.
namespace IdLayouts {
// NIP 1 / 2, taxpayer 11..24, spouse 25..38.
const TIdLayout& Pit37();
// NIP 1 / 2, surname, first name, birth date, PESEL: 5..8 / 9..12; no address.
const TIdLayout& PitO();
// NIP 1 / 2, taxpayer 4..17, spouse 18..31.
const TIdLayout& PitD();
}
