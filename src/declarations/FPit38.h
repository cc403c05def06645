#pragma once
// PIT-38: capital gains of art. 30b taxed at the typed flat rate; taxpayer only.

#include "Deklaracja.h"

#include <QStringList>

class TPit38 : public TDeklaracja {
public:
    TPit38();

    void Clear() override;
    bool Load(int podatId) override;
    void Calculate() override;
    void Verify() const override;
    bool HasOpp() const override;

    bool HasPitZG() const { return GetPole(65).isPositive(); }
    // The foreign pair (PIT/ZG part C.3) and the tax paid abroad read at Load.
    Amount ForeignIncome() const { return foreignIncome_; }
    Amount ForeignCosts() const { return foreignCosts_; }
    Amount ForeignTax() const { return foreignTax_; }

    QStringList P61;   // supplementary information
    QString P62;       // purpose of the information
    bool P63 = false;  // consent

protected:
    bool AcceptField(int box, Amount& value) override;
    bool DrukCustom(int box) const override;
    void LoadCounts(const TTable* podatnik) override;
    void LoadAttachments() override;
    void LoadRow(const TTable* row) override;
    void SaveRow(TTable* row) const override;

private:
    Amount foreignIncome_, foreignCosts_, foreignTax_;
};
