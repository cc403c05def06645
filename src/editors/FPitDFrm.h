#pragma once
// The PIT/D editor: both spouses' identification and address, and the housing reliefs.
// The main window loads its PIT/D model for the taxpayer and the form it goes with, then
// opens this window on it.

#include "FDeklFrm.h"
#include "FPitD.h"

#include <memory>

class TPitDFrm : public TDeklFrm {
    Q_OBJECT
public:
    // Works on a model the caller has loaded.
    explicit TPitDFrm(TPitD& model, QWidget* parent = nullptr);
    // Loads its own model for the taxpayer and the main form (37, 36 or 28).
    TPitDFrm(int podatId, int kind, QWidget* parent = nullptr);

    TPitD& model() { return *model_; }

    QPushButton* WstawBtn = nullptr;
    QPushButton* WstawOdliczBtn = nullptr;   // box 42 into box 43
    QPushButton* Wstaw48Btn = nullptr;       // box 51 into box 52

    void CopySurnameToSpouse();
    void CopyAddressToSpouse();

protected:
    bool loadModel() override;
    bool saveModel() override { return model_->Save(); }
    QString caption() const override { return model_->Caption(); }
    int podatId() const override { return model_->PodatId; }
    QString otherText(const TPoz&) const override;
    void otherTextExit(const TPoz&, const QString&) override;
    bool hasItemButton(int box) const override { return box == 40 || box == 49; }
    void itemise(int box) override { itemiseList(box, fkPitD, 0, 1); }
    void afterLoad() override;

private:
    void init();

    std::unique_ptr<TPitD> own_;
    TPitD* model_;
    int kind_ = 0;
};
