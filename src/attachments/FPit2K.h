#pragma once
// PIT-2K: the statement of a taxpayer who starts using the housing-loan interest relief.
// One row per taxpayer; the identification of the taxpayer and the spouse is shown from the
// register and never written back.

#include "Formularz.h"

#include <QDate>
#include <QString>

class TPit2K {
public:
    TPit2K() { Clear(); }

    // Kinds of investment, exclusive.
    enum TInwestycja { inBudowa, inWklad, inZakup, inNadbud, inCount };

    void Clear();
    // false (with a warning) when the taxpayer is missing; the model is then cleared.
    bool Load(int podatId);
    // false (with a warning, nothing written) when the taxpayer is missing.
    bool Save();
    // The checks before saving: the first failing one is shown as a warning and gives false.
    bool CheckForSave() const;

    int FormKind() const { return fkPit2K; }
    QString Caption() const;
    static QString AmountHint();

    int PodatId = 0;
    TOsoba Osoba[2];   // taxpayer, spouse

    int RokKred = 0;   // year the loan was taken
    // Amounts: nullopt while blank (stored as null), so that 0 stays 0.
    OptAmount KwKred;  // loan amount
    int RokBud = 0;    // year construction started
    int RokZak = 0;    // year construction ended
    OptAmount KwWydat; // expenses incurred
    OptAmount KwFakt;  // of which documented by VAT invoices
    QDate DataDekl;    // date of filling in

    // Setting a kind clears the others; clearing one changes nothing else.
    void SetInwestycja(int kind, bool flag);
    bool GetInwestycja(int kind) const { return kind >= 0 && kind < inCount && inwestycja_[kind]; }

private:
    bool inwestycja_[inCount] = {};
};
