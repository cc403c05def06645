#pragma once
// Margins of the printed pages of a form (table Margin): where the overprint of a
// page starts, in millimetres, so that a printer's own paper feed can be evened out.

#include <QDialog>

class QLineEdit;
class QLabel;

class TMarginesyFrm : public QDialog {
    Q_OBJECT
public:
    explicit TMarginesyFrm(QWidget* parent = nullptr);

    // Shows the form's pages with their stored margins (0 where none is stored).
    void Prepare(int formKind);
    int Execute(int formKind);

    int formKind() const { return formKind_; }
    QLineEdit* leftEdit(int page) const { return left_[page - 1]; }
    QLineEdit* topEdit(int page) const { return top_[page - 1]; }

    // "&Zapisz": writes what differs and closes with OK.
    void Save();

private:
    int formKind_ = 0;
    int pages_ = 1;
    QLabel* label_[6];
    QLineEdit* left_[6];
    QLineEdit* top_[6];
};
