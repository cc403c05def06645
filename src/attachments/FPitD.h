#pragma once
// PIT/D: housing reliefs under acquired rights, filed by both spouses together (one row of
// PitD.db per taxpayer), with both persons' identification and home address.

#include "Formularz.h"

class TPitD : public TFormularz {
public:
    TPitD();

    void Clear() override;
    // kind: 36 or 37 for the main declaration it goes with, 28 otherwise.
    // false (warning) when the taxpayer is missing.
    bool Load(int podatId, int kind);
    bool Save();
    void Calculate() override;
    void Verify() const override;

    int Kind() const { return kind_; }
    QString Caption() const;

    TIdentyfikacja& Id() { return *id_; }
    const TIdentyfikacja& Id() const { return *id_; }
    // Any field of the spouse's section A is filled.
    bool SpouseDataPresent() const { return id_->osoba(stMalzonek).anyFilled(); }

    // Kind of housing expense (box 39).
    QString P39;

    // What the main declarations take: the taxpayer's share where given, else the whole.
    Amount InterestRelief() const { return pick(37, 34); }
    Amount HousingExpenses() const { return pick(47, 44); }
    Amount TaxRelief() const { return pick(56, 53); }
    // The three amounts of the taxpayer's PIT/D loaded for that main form; false when no row.
    struct TSumy {
        Amount interest, expenses, tax;
    };
    static bool ReadTotals(int podatId, int kind, TSumy* out);

protected:
    bool AcceptField(int box, Amount& value) override;
    bool DrukCustom(int box) const override;

private:
    Amount pick(int share, int whole) const { return GetPole(share).isZero() ? GetPole(whole) : GetPole(share); }
    void splitNote(int a, int total, const QString& secondLine);
    void verifySplit(int a, int total) const;
    bool partB2HasData() const;
    bool partB3HasData() const;
    bool partCHasData() const;

    int kind_ = 37;
};
