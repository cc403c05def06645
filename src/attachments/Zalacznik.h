#pragma once
// An attachment of one person (PIT/B, PIT/M, PIT/Z, PIT/ZG): the box table of TFormularz plus
// the identification of the taxpayer or the spouse in one column, and the form's row keyed by
// PodatId + Rodz (+ NrZal for numbered attachments).
//
// Load: Clear -> locate the taxpayer (warning if missing, the model stays cleared) ->
// LoadCounts (what the form reads from the register) -> the person's identification through
// the setters -> the form's row (LoadAmounts, LoadRow) with Calculate suspended -> Calculate.
// Save: identification changes to the register's fields of that person (one post per field),
// then the form's row (typed boxes, blank = null, SaveRow), one post.

#include "Formularz.h"

#include <QDate>
#include <QString>

class TDM;

// The identification boxes of a one-person attachment (no address).
TIdLayout OsobaLayout(int nip, int nazwisko, int imie, int dataUr, int pesel);

struct TZalacznikDef {
    TTable* TDM::*table;
    bool numbered;   // rows carry NrZal
};

class TZalacznik : public TFormularz {
public:
    TZalacznik(std::span<const TBoxDef> boxes, int formKind, const TZalacznikDef& def, const TIdLayout& layout);

    void Clear() override;
    // person: 0 the taxpayer ("P"), 1 the spouse ("M"); nrZal only for numbered attachments.
    // false (with a warning) when the taxpayer is missing; the model is then cleared.
    bool Load(int podatId, int person, int nrZal = 0);
    // false (with a warning, nothing written) when the taxpayer is missing.
    bool Save();

    int Osoba = 0;
    int NrZal = 0;
    QString Rodz() const { return RodzCode(Osoba); }
    // The register's main declaration ("PIT-36" ...), as read at Load.
    const QString& Glowny() const { return glowny_; }

    // Identification by box number (NIP, surname, first name, birth date, PESEL).
    TIdentyfikacja& Id() { return *id_; }
    const TIdentyfikacja& Id() const { return *id_; }
    void SetNip(const QString& v) { id_->SetNip(idBox(idNip), v); }
    void SetPesel(const QString& v) { id_->SetPesel(idBox(idPesel), v); }
    void SetDataUr(const QDate& v) { id_->SetDataUr(idBox(idDataUr), v); }
    void SetNazwisko(const QString& v) { id_->SetPlain(idBox(idNazwisko), v); }
    void SetImie(const QString& v) { id_->SetPlain(idBox(idImie), v); }
    const QString& Nip() const { return id_->osoba(stPodatnik)[idNip]; }
    const QString& Nazwisko() const { return id_->osoba(stPodatnik)[idNazwisko]; }
    const QString& Imie() const { return id_->osoba(stPodatnik)[idImie]; }
    const QString& Pesel() const { return id_->osoba(stPodatnik)[idPesel]; }
    QDate DataUr() const { return id_->osoba(stPodatnik).DataUr; }
    // " - " + first name + " " + surname, the tail of every caption.
    QString CaptionName() const;

protected:
    virtual void LoadCounts(const TTable* podatnik);
    virtual void LoadAmounts(const TTable* row) { LoadBoxes(row); }
    virtual void LoadRow(const TTable* row);
    // What the form keeps in other tables, read whether or not the form's row exists.
    virtual void LoadRecords() {}
    virtual void SaveRow(TTable* row) const;

    int idBox(int field) const { return id_->box(stPodatnik, field); }

    // The one-person identification checks: NIP, surname, first name, birth date (with the
    // plausibility question), then PESEL when asked, with or without the birth-date comparison.
    enum TPeselCheck { pcNone, pcNumber, pcNumberAndDate };
    void VerifyOsoba(TPeselCheck pesel) const;

private:
    bool locateRow(TTable* t) const;

    const TZalacznikDef& def_;
    QString glowny_;
};

// Amounts of the foreign-income records (Zagranica.db) behind a PIT/ZG box, written by the
// foreign-income dialog and read by the PIT/ZG model.
struct TZagranica {
    OptAmount Przychod, Koszty;   // nullopt: no record (the dialog shows blank edits)

    // Reads the record (PodatId, Rodz, NrZal, Pole); false when there is none.
    bool Load(int podatId, int person, int nrZal, int pole);
    // Inserts or edits the record; a blank amount is stored as null.
    void Save(int podatId, int person, int nrZal, int pole) const;
    // revenue - costs, may be negative.
    Amount Dochod() const { return Przychod.value_or(Amount()) - Koszty.value_or(Amount()); }
};

// Amounts of lost reliefs (Utrata.db) of one person, written by the loss-of-right dialog and
// added to their tax by PIT-36 and PIT-36L.
struct TUtrata {
    Amount Gosp;   // from non-agricultural business activity
    Amount Rol;    // from special branches of agricultural production

    // Reads the person's record; false (both amounts 0) when there is none.
    bool Load(int podatId, int person);
    // Inserts or edits the person's record.
    void Save(int podatId, int person) const;
    // " - utrata prawa do odliczeń lub zwolnienia" after "Podatnik" or "Małżonek".
    static QString Caption(int person);
};
