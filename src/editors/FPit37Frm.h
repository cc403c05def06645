#pragma once
// The PIT-37 editor: three pages as the paper form, the notes and the verification page.

#include "FDeklFrm.h"
#include "FPit37.h"

#include <QStringList>

class QComboBox;

class TPit37Frm : public TDeklFrm {
    Q_OBJECT
public:
    explicit TPit37Frm(int podatId, QWidget* parent = nullptr);

    TPit37& model() { return model_; }

    QComboBox* FUrzad = nullptr;
    QPushButton* UrzadBtn = nullptr;
    QPushButton* OppBtn = nullptr;
    QPushButton* WstawPozytekBtn = nullptr;
    QPushButton* PelnomocnikBtn = nullptr;
    QPushButton* RxSpeedButton1 = nullptr;   // taxpayer's costs menu
    QPushButton* KosztyMalBtn = nullptr;     // spouse's costs menu
    QPushButton* WstawBtn = nullptr;         // spouse's surname and address from the taxpayer's

    void UrzadBtnClick();
    void OppBtnClick();
    void WstawPozytekBtnClick();
    void PelnomocnikBtnClick();
    void CopySurnameToSpouse();
    void CopyAddressToSpouse();

    // Replaceable until the office list window is part of the program: opens it, returns
    // whether the offices changed.
    static std::function<bool(QWidget*)>& OfficeList();

    // The texts of the mode-frame warning and of the costs menu items.
    static QString ModeChangeMessage();
    static QStringList CostCaptions();

protected:
    bool loadModel() override;
    bool saveModel() override;
    QString caption() const override;
    int podatId() const override { return podatId_; }
    bool spouseShown() const override { return model_.IsJoint(); }
    bool boxEditable(int box) const override;
    TAmountStyle amountStyle(int box) const override;
    bool cappedBox(int box) const override;
    Amount upperLimit(int box) const override;
    QString labelText(int box) const override;
    QString otherText(const TPoz&) const override;
    void otherTextExit(const TPoz&, const QString&) override;
    bool checkState(const QString& name) const override;
    void checkClicked(const QString& name, bool checked) override;
    int spinValue(const TPoz&) const override { return model_.Certyfikat(); }
    void spinExit(const TPoz&, int v) override { model_.SetCertyfikat(v); }
    bool hasItemButton(int box) const override;
    void itemise(int box) override;
    void afterLoad() override;

private:
    void fillOffices();
    QPushButton* costsButton(int box, const QString& name);

    int podatId_;
    TPit37 model_;
    QStringList offices_;   // "name=id", parallel to the items of FUrzad
};
