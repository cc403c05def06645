#pragma once
// The organisation picker: organisations of public benefit (table OPP) with a town filter;
// "&Wybierz" hands the chosen KRS number and name to the caller.

#include <QDialog>
#include <QVector>

class QComboBox;
class QLabel;
class QStandardItemModel;
class QTableView;

class TOppFrm : public QDialog {
    Q_OBJECT
public:
    explicit TOppFrm(QWidget* parent = nullptr);

    QString krs() const { return krs_; }
    QString nazwa() const { return nazwa_; }

    // "Dowolna" switches the filter off; a town shows its organisations from the first.
    void setTown(const QString& town);
    int rowCount() const;
    void selectRow(int row);
    void WybierzBtnClick();

    QTableView* Grid;
    QComboBox* EdMiasto;
    QLabel* KrsLbl;
    QLabel* NazwaLbl;
    QLabel* MiastoLbl;

private:
    void reload(const QString& town);
    void showCurrent();

    QStandardItemModel* model_;
    QString krs_, nazwa_;
};
