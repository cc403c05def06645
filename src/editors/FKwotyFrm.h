#pragma once
// The itemised list behind a box: described partial amounts whose total (or, for
// PIT/D box 49, its 30 % capped) becomes the box's value. Rows are stored at once;
// "&Zapisz" hands the result to the caller, "&Anuluj" leaves the box as it was.
//
// Caller's contract (editor windows): call ItemiseAmount(box edit, key) from the box's
// "..." button or Alt+Up; on OK it puts the result into the edit and runs the edit's
// exit handling, which pushes the value into the model.

#include "Kwoty.h"

#include <QAbstractTableModel>
#include <QDialog>

class QLabel;
class QPushButton;
class QTableView;
class TGSkEditCalc;

// The rows of a TKwotyList for a grid: "Opis" and "Kwota".
class TKwotyModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TKwotyModel(TKwotyList* list, QObject* parent = nullptr) : QAbstractTableModel(parent), list_(list) {}
    void reset() { beginResetModel(); endResetModel(); }
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

private:
    TKwotyList* list_;
};

class TKwotyFrm : public QDialog {
    Q_OBJECT
public:
    explicit TKwotyFrm(QWidget* parent = nullptr);

    // The one dialog of the run, created on first use.
    static TKwotyFrm* Instance();

    // Sets the list up: caption, description, rows, total. False when Kwoty.db could not be
    // opened (the warning was shown and the dialog must not be shown).
    bool prepare(const TKwotyKey& key);
    // prepare + modal show; Rejected when the list could not be opened.
    int Execute(int podatId, int formKind, int person, int box, int nrZal);
    // The value for the box after OK.
    Amount Result() const { return list_.result(); }

    TKwotyList& list() { return list_; }
    int currentRow() const;
    void selectRow(int row);
    QString statusText() const;

    QLabel* PozycjaOpisLbl;
    QTableView* Grid;
    QLabel* StatusBar;
    QPushButton* DodajBtn;
    QPushButton* PoprawBtn;
    QPushButton* UsunBtn;
    QPushButton* ZapiszBtn;
    QPushButton* AnulujBtn;

    void DodajBtnClick();
    void PoprawBtnClick();
    void UsunBtnClick();

private:
    void afterChange(int selectRow);
    TKwotyList list_;
    TKwotyModel* model_;
};

// Opens the itemised list of the box edited by `box`; on OK puts the result into it
// (not blank) and runs its exit handling. Returns whether the user chose OK.
bool ItemiseAmount(TGSkEditCalc* box, const TKwotyKey& key);
