#pragma once
// PIT/Z: business income under the exemption of art.44 ust.7a and the add-back of
// art.44 ust.7f. Part B counts only when the main declaration is PIT-36; the derived boxes
// 19..23 and 33..36 are stored too, because the main declarations read them from the table.

#include "Zalacznik.h"

class TPitZ : public TZalacznik {
public:
    TPitZ();

    void Clear() override;
    void Calculate() override;
    void Verify() const override;

    QString Caption() const;
    // Part B is kept only for a PIT-36 filer.
    bool HasCzescB() const { return Glowny() == QLatin1String("PIT-36"); }

    // Box 28: the year the exemption was used; only 0 or a year after 2001 is taken.
    void SetRok(int year);
    int Rok() const { return rok_; }

    // Puts the person's PIT/B revenue and costs totals (all attachments) into boxes 7 and 8
    // (firstBox 7) or 24 and 25 (firstBox 24), as if typed.
    void InsertPitBTotals(int firstBox);

    // The business row a main declaration takes from the stored PIT/Z of a person: revenue,
    // costs, income, loss (boxes 33..36) and, where the fallback is used, the exempt income.
    struct TWiersz {
        Amount Przychod, Koszty, Dochod, Strata, Zwolniony;
    };
    // false (all 0) when the person has no PIT/Z row. With `fallback`, a row whose 33 and 34
    // are both 0 gives boxes 19..23 instead (PIT-36).
    static bool ReadWiersz(int podatId, int person, bool fallback, TWiersz* out);

protected:
    bool AcceptField(int box, Amount& value) override;
    bool DrukCustom(int box) const override;
    bool LoadsBox(int box) const override;
    bool SavesBox(int box) const override;
    void LoadRow(const TTable* row) override;
    void SaveRow(TTable* row) const override;

private:
    static bool InCzescB(int box) { return box >= 7 && box <= 23; }
    bool pairHasData(int revenue, int costs) const;

    int rok_ = 0;
};
