#pragma once
// The "Nadruk" print dialog: printer, copies and the pages of a form to overprint.
// It lives for the whole run, so the page choice is kept from one use to the next.

#include "FPrn.h"

#include <QDialog>
#include <QVector>

#include <memory>

class QCheckBox;
class QLabel;
class QPrinter;
class QPushButton;
class QSpinBox;
class TMarginesyFrm;
class TPit37;

class TDrukFrm : public QDialog {
    Q_OBJECT
public:
    explicit TDrukFrm(QWidget* parent = nullptr);
    ~TDrukFrm() override;

    // Shows the variant of the form kind: caption, as many pages as the form has.
    void Prepare(int formKind);
    int Execute(int formKind);

    // What "D&rukuj" stored.
    bool PageChecked(int page) const { return page >= 1 && page <= 6 && pages_[page - 1]; }
    QVector<int> Pages() const;   // the checked pages in order
    int Copies() const { return copies_; }
    bool Sort() const { return sort_; }

    // The printer the overprint goes to.
    QPrinter* printer() const { return printer_.get(); }

    // Widgets, for the program's own keyboard handling and for tests.
    QCheckBox* pageBox(int page) const { return pageBoxes_[page - 1]; }
    QSpinBox* copiesEdit() const { return copiesEdit_; }
    QCheckBox* sortBox() const { return sortBox_; }
    QPushButton* selectAllButton() const { return selectAll_; }
    QPushButton* marginsButton() const { return margins_; }
    QLabel* printerLabel() const { return printerName_; }
    // The margins dialog it opens (created on first use).
    TMarginesyFrm* marginesyFrm();

    void SelectAll();
    void ChoosePrinter();
    void OpenMargins();
    // "D&rukuj": stores the choice and closes with OK.
    void Print();

private:
    void updateSort();

    int formKind_ = 0;
    int pageCount_ = 1;
    std::unique_ptr<QPrinter> printer_;
    QLabel* printerName_;
    QSpinBox* copiesEdit_;
    QCheckBox* sortBox_;
    QCheckBox* pageBoxes_[6];
    QPushButton* selectAll_;
    QPushButton* margins_;
    TMarginesyFrm* marginesy_ = nullptr;
    bool pages_[6] = {};
    int copies_ = 1;
    bool sort_ = false;
};

// The overprint command of a form: the dialog in the form's variant, then the chosen pages
// and copies on the chosen printer, one job per printed page. A job that cannot start is
// reported with ShowError. False when nothing was printed (cancelled, no page, failure).
bool RunOverprint(TDrukFrm& dialog, int formKind, const TOverprintPageProc& printPage);
// The same for PIT-37: loads the taxpayer into the model first.
bool NadrukPit37(TDrukFrm& dialog, TPit37& pit, int podatId);
