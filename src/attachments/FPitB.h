#pragma once
// PIT/B: revenue, costs and income from non-agricultural business activity of one person, per
// attachment number: own activities B.1 and B.2, partnership firms C.1..C.3 with the person's
// share, and on the person's last attachment part D, the totals over all the attachments.

#include "Zalacznik.h"

#include <map>

class TPitB : public TZalacznik {
public:
    // `czescD` off: a scratch model that only adds up its own revenue and costs (the totals
    // of part D load the other attachments into such a model).
    explicit TPitB(bool czescD = true);

    void Clear() override;
    void Calculate() override;
    void Verify() const override;

    QString Caption() const;
    // The person's number of attachments (box 3) and both persons' counts from the register.
    int LiczbaZal() const { return Osoba == stMalzonek ? liczbaMal_ : liczbaPod_; }
    int LiczbaPod() const { return liczbaPod_; }
    int LiczbaMal() const { return liczbaMal_; }
    bool IsLast() const { return NrZal == LiczbaZal(); }
    // The main declaration is PIT-36L.
    bool Pit36L() const { return pit36L_; }

    // Texts: 8..10, 14..16 (kind, REGON, place), 20, 22..24, 31, 33..35, 42, 44..46
    // (partnership name, NIP, REGON, place). NIP and REGON boxes keep their notes.
    void SetTekst(int box, const QString& text);
    QString Tekst(int box) const;

    // This attachment's revenue (11 + 17 + 26 + 37 + 48) and costs (12 + 18 + 28 + 39 + 50).
    Amount Przychod() const { return przychod_; }
    Amount Koszty() const { return koszty_; }

    // The person's part of a partnership amount: share % of it, rounded to grosze.
    static Amount PartOf(Amount share, Amount amount);

    // Has-data predicates of the parts: 1 = B.1, 2 = B.2; partnerships 1..3 = C.1..C.3.
    bool DzialalnoscHasData(int n) const;
    bool SpolkaHasData(int n) const;

protected:
    bool AcceptField(int box, Amount& value) override;
    bool DrukCustom(int box) const override;
    void LoadCounts(const TTable* podatnik) override;
    void LoadAmounts(const TTable* row) override;
    void LoadRow(const TTable* row) override;
    void SaveRow(TTable* row) const override;
    void warnUndefined(const char* op, int box) const override;

private:
    static bool IsTextBox(int box);
    void recalcPart(int part, Amount share, Amount oldBase, Amount newShare, Amount newBase);
    bool textFilled(int box) const;
    void verifySpolka(int n) const;

    bool czescD_;
    int liczbaPod_ = 0, liczbaMal_ = 0;
    bool pit36L_ = false;
    std::map<int, QString> teksty_;
    Amount przychod_, koszty_;
};
