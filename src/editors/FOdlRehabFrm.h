#pragma once
// The rehabilitation expenses of one person: medicines by month (the part above 100,00 zł
// counts), three items limited to 2 280,00 zł each and three further items; the total goes
// to PIT/O box 17 (taxpayer) or 18 (spouse). "Zapisz" stores the amounts as typed.

#include "FPitO.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class TGSkEditCalc;

class TOdlRehabFrm : public QDialog {
    Q_OBJECT
public:
    // rodz: "P" the taxpayer, "M" the spouse.
    TOdlRehabFrm(int podatId, const QString& rodz, QWidget* parent = nullptr);

    Amount Total() const { return rehab_.Total(); }
    void ZapiszBtnClick();

    TGSkEditCalc* Kwota[TOdlRehab::kAmounts];   // P1..P18
    QLabel* Odlicz[TOdlRehab::kAmounts];        // deductible part of P1..P15
    QLineEdit* Ed[3];                           // kinds of P16..P18
    QLabel* SumaLbl;
    QPushButton* ZapiszBtn;
    QPushButton* AnulujBtn;

private:
    void recompute();

    int podatId_;
    QString rodz_;
    TOdlRehab rehab_;
};
