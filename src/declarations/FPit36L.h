#pragma once
// PIT-36L: business income taxed at the flat 19 %; taxpayer only. The business row comes
// from PIT/Z or PIT/B plus PIT/ZG; lost deductions raise the base or reduce the losses.

#include "Deklaracja.h"

class TPit36L : public TDeklaracja {
public:
    TPit36L();

    void Clear() override;
    void Calculate() override;
    void Verify() const override;
    bool HasOpp() const override;

    bool HasPitB() const { return GetPole(111).isPositive(); }
    bool HasPitZ() const { return GetPole(112).isPositive(); }
    bool HasPitZG() const { return GetPole(113).isPositive(); }

    // Square 21 (documentation of art. 25a), square 22 (earlier exemption) and its year (23).
    bool P21 = false;
    bool P22 = false;
    int Rok23() const { return rok23_; }
    void SetRok23(int year);
    // Boxes 115, 116: counts from 0 to 99.
    int Liczba(int box) const { return box == 116 ? liczba_[1] : liczba_[0]; }
    void SetLiczba(int box, int count);

    // Lost deductions (business part, agricultural part): the dialog writes the record itself.
    void SetUtrataGosp(Amount a);
    void SetUtrataRol(Amount a);
    Amount UtrataGosp() const { return utrataGosp_; }
    Amount UtrataRol() const { return utrataRol_; }

    QString Straty;   // sources of the losses of box 34
    QString P108, P109;
    bool P110 = false;

protected:
    bool AcceptField(int box, Amount& value) override;
    bool DrukCustom(int box) const override;
    void LoadCounts(const TTable* podatnik) override;
    void LoadAttachments() override;
    void LoadRow(const TTable* row) override;
    void SaveRow(TTable* row) const override;

private:
    int rok23_ = 0;
    int liczba_[2] = {0, 0};
    Amount utrataGosp_, utrataRol_;
    Amount pitBRevenue_, pitBCosts_;
    Amount foreignIncome_, foreignCosts_, foreignTax_;
};
