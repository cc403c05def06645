#pragma once
// A box that adds an amount carried over from the PIT/ZG attachment: the user edits the
// own amount, sees the PIT/ZG amount and the sum. "Zapisz" hands the own amount back.

#include "Amount.h"

#include <QDialog>

class QLabel;
class QPushButton;
class TGSkEditCalc;

class TKwotaZG : public QDialog {
    Q_OBJECT
public:
    explicit TKwotaZG(QWidget* parent = nullptr);
    static TKwotaZG* Instance();

    // Fills the dialog: the PIT/ZG amount and the current own amount.
    void prepare(Amount pitZG, Amount own);
    int Execute(Amount pitZG, Amount own);
    // The own amount after OK.
    Amount Result() const;
    // Shows the sum of both (also when the amount edit is left).
    void refreshSum();

    TGSkEditCalc* KwotaEdit;
    QLabel* PitZGLbl;
    QLabel* SumaLbl;
    QPushButton* ZapiszBtn;
    QPushButton* AnulujBtn;

private:
    Amount pitZG_;
};
