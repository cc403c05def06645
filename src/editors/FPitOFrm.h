#pragma once
// The PIT/O editor: deductions from income and from tax (attachment 1 only), donations and
// children, for one attachment number.

#include "FDeklFrm.h"
#include "FPitO.h"

class TPitOFrm : public TDeklFrm {
    Q_OBJECT
public:
    TPitOFrm(int podatId, int nrZal, QWidget* parent = nullptr);

    TPitO& model() { return model_; }

    // Parts shown or hidden by the attachment's state.
    enum Part { ptAttachment1 = 1, ptNotPit28 = 2, ptChildren = 3, ptSpouseMonths = 4 };

protected:
    bool loadModel() override { return model_.Load(podatId_, nrZal_); }
    bool saveModel() override { return model_.Save(); }
    QString caption() const override { return model_.Caption(); }
    int podatId() const override { return podatId_; }
    bool spouseShown() const override { return model_.JointMode(); }
    QString otherText(const TPoz&) const override;
    void otherTextExit(const TPoz&, const QString&) override;
    const TFieldNote* otherNote(const TPoz&) const override;
    bool checkState(const QString& name) const override;
    void checkClicked(const QString& name, bool checked) override;
    int spinValue(const TPoz&) const override { return model_.LiczbaDzieci(); }
    void spinExit(const TPoz&, int v) override { model_.SetLiczbaDzieci(v); }
    bool hasItemButton(int box) const override;
    void itemise(int box) override;
    void afterLoad() override;
    void extraVisibility() override;
    bool enterPressed(QWidget* control) override;
    QString completionSource(const TPoz& p) const override;

private:
    int podatId_;
    int nrZal_;
    TPitO model_;
};
