#pragma once
// Per-box correction of the overprint positions (table Korekta): each box or
// pseudo-box of a form can be moved right and down by whole millimetres.
// Works on the table's cursor like a data-aware grid: editing a shift puts the
// current row into edit mode; moving to another row, refreshing or closing posts it.

#include <QDialog>
#include <QVector>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class QSpinBox;
class QToolButton;
class TTable;

class TKorektaFrm : public QDialog {
    Q_OBJECT
public:
    // The navigator's buttons, in their order.
    enum NavButton { nbFirst, nbPrior, nbNext, nbLast, nbEdit, nbPost, nbCancel, nbRefresh, NavButtonCount };
    static constexpr int VisibleRows = 4;

    explicit TKorektaFrm(QWidget* parent = nullptr);

    void Navigate(NavButton button);
    // "&Idź do": the first row of the form whose box designation is the number.
    bool GoTo(const QString& formName, int box);

    // Current row (0-based in the table's order), -1 when the table is empty.
    int currentRow() const;
    int topRow() const { return top_; }
    int rowCount() const { return int(rows_.size()); }

    QToolButton* navButton(NavButton b) const { return nav_[b]; }
    QComboBox* formCombo() const { return formCombo_; }
    QSpinBox* boxEdit() const { return boxEdit_; }
    // Shift edits of the shown panel i (0..3).
    QSpinBox* korXEdit(int panel) const { return panels_[panel].korX; }
    QSpinBox* korYEdit(int panel) const { return panels_[panel].korY; }
    QLabel* opisLabel(int panel) const { return panels_[panel].opis; }

    // Posts a pending edit; the dialog does this when closing.
    void PostPending();

protected:
    void showEvent(QShowEvent* e) override;
    void done(int r) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    struct Row {
        QString pit, opis, hint;
        int korX = 0, korY = 0;
    };
    struct Panel {
        QFrame* frame = nullptr;
        QLabel* pit = nullptr;
        QLabel* opis = nullptr;
        QLabel* hint = nullptr;
        QSpinBox* korX = nullptr;
        QSpinBox* korY = nullptr;
    };

    TTable* table() const;
    void reload();                 // re-reads every row for the panels
    void moveTo(int row);          // posts a pending edit, moves the cursor
    void showRows();
    void ensureVisible(int row);
    void shiftEdited(int panel, bool x, int value);

    QVector<Row> rows_;
    int top_ = 0;
    Panel panels_[VisibleRows];
    QScrollBar* scroll_;
    QToolButton* nav_[NavButtonCount];
    QComboBox* formCombo_;
    QSpinBox* boxEdit_;
    QPushButton* goButton_ = nullptr;
    bool updating_ = false;
};
