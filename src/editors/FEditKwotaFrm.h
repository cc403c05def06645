#pragma once
// One item of an itemised list: its description and amount. Created for each use.

#include <QDialog>

class QLineEdit;
class QPushButton;
class TGSkEditCalc;
class TKwotyList;

class TEditKwota : public QDialog {
    Q_OBJECT
public:
    explicit TEditKwota(TKwotyList* list, QWidget* parent = nullptr);

    // Insert mode: empty description, amount 0.
    void startInsert();
    // Edit mode for the row `porz`; false when the row is gone (then nothing is shown).
    bool startEdit(int porz);
    // Porz of the row written by "Zapisz" (0 before).
    int postedPorz() const { return posted_; }

    QLineEdit* OpisEdit;
    TGSkEditCalc* KwotaEdit;
    QPushButton* ZapiszBtn;
    QPushButton* AnulujBtn;

    // Writes the row (insert or edit) and closes; a table failure is shown and the dialog stays.
    void ZapiszBtnClick();

private:
    TKwotyList* list_;
    int porz_ = 0;   // 0: insert
    int posted_ = 0;
};
