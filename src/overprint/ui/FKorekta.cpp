#include "FKorekta.h"

#include "FDM.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

const QString kPit = QStringLiteral("Pit");
const QString kPole = QStringLiteral("Pole");
const QString kOpis = QStringLiteral("Opis");
const QString kHint = QStringLiteral("Hint");
const QString kKorX = QStringLiteral("KorX");
const QString kKorY = QStringLiteral("KorY");

}  // namespace

TKorektaFrm::TKorektaFrm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("KorektaFrm"));
    setWindowTitle(QStringLiteral("Korekta współrzędnych pól na wydruku"));

    // Navigator.
    struct NavDef {
        const char* glyph;
        const char* hint;
        const char* name;
    };
    const NavDef defs[NavButtonCount] = {
        {"|◀", "Pierwszy", "Pierwszy"}, {"◀", "Poprzedni", "Poprzedni"}, {"▶", "Następny", "Nastepny"},
        {"▶|", "Ostatni", "Ostatni"},   {"▲", "Popraw", "Popraw"},       {"✔", "Zapisz", "Zapisz"},
        {"✘", "Anuluj", "Anuluj"},      {"↻", "Odśwież", "Odswiez"},
    };
    auto* navBar = new QHBoxLayout;
    navBar->setSpacing(0);
    for (int i = 0; i < NavButtonCount; ++i) {
        nav_[i] = new QToolButton(this);
        nav_[i]->setText(QString::fromUtf8(defs[i].glyph));
        nav_[i]->setToolTip(QString::fromUtf8(defs[i].hint));
        nav_[i]->setObjectName(QString::fromUtf8(defs[i].name));
        nav_[i]->setMinimumWidth(30);
        navBar->addWidget(nav_[i]);
        connect(nav_[i], &QToolButton::clicked, this, [this, i] { Navigate(NavButton(i)); });
    }
    navBar->addStretch(1);

    // Four panels, one per shown row, and the scroll bar over all rows.
    auto* panelBox = new QVBoxLayout;
    panelBox->setSpacing(2);
    for (int p = 0; p < VisibleRows; ++p) {
        Panel& pn = panels_[p];
        pn.frame = new QFrame(this);
        pn.frame->setFrameShape(QFrame::Panel);
        pn.frame->setFrameShadow(QFrame::Raised);
        pn.frame->setAutoFillBackground(true);
        pn.pit = new QLabel(pn.frame);
        pn.opis = new QLabel(pn.frame);
        pn.hint = new QLabel(pn.frame);
        pn.hint->setMinimumWidth(380);
        pn.korX = new QSpinBox(pn.frame);
        pn.korY = new QSpinBox(pn.frame);
        for (QSpinBox* s : {pn.korX, pn.korY}) {
            s->setRange(-99, 999);
            s->installEventFilter(this);
        }
        pn.korX->setObjectName(QStringLiteral("KorX%1").arg(p + 1));
        pn.korY->setObjectName(QStringLiteral("KorY%1").arg(p + 1));
        pn.frame->installEventFilter(this);
        auto* g = new QGridLayout(pn.frame);
        g->setContentsMargins(6, 3, 6, 3);
        QFont bold = pn.pit->font();
        bold.setBold(true);
        pn.pit->setFont(bold);
        pn.opis->setFont(bold);
        g->addWidget(pn.pit, 0, 0);
        g->addWidget(new QLabel(QStringLiteral("Pole"), pn.frame), 0, 1);
        g->addWidget(pn.opis, 0, 2);
        g->addWidget(pn.hint, 0, 3, 1, 4);
        g->addWidget(new QLabel(QStringLiteral("Przesunięcie w prawo"), pn.frame), 1, 3);
        g->addWidget(pn.korX, 1, 4);
        g->addWidget(new QLabel(QStringLiteral("[mm]"), pn.frame), 1, 5);
        g->addWidget(new QLabel(QStringLiteral("Przesunięcie w dół"), pn.frame), 2, 3);
        g->addWidget(pn.korY, 2, 4);
        g->addWidget(new QLabel(QStringLiteral("[mm]"), pn.frame), 2, 5);
        g->setColumnStretch(6, 1);
        connect(pn.korX, &QSpinBox::valueChanged, this, [this, p](int v) { shiftEdited(p, true, v); });
        connect(pn.korY, &QSpinBox::valueChanged, this, [this, p](int v) { shiftEdited(p, false, v); });
        panelBox->addWidget(pn.frame);
    }
    scroll_ = new QScrollBar(Qt::Vertical, this);
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int v) {
        if (updating_) return;
        top_ = v;
        showRows();
    });
    auto* listRow = new QHBoxLayout;
    listRow->addLayout(panelBox, 1);
    listRow->addWidget(scroll_);

    // Search.
    auto* search = new QGroupBox(QStringLiteral("Szukaj"), this);
    formCombo_ = new QComboBox(search);
    formCombo_->setObjectName(QStringLiteral("PitNip"));
    formCombo_->addItems({QStringLiteral("PIT-36"), QStringLiteral("PIT-36L"), QStringLiteral("PIT-37"),
                          QStringLiteral("PIT-38"), QStringLiteral("PIT/B"), QStringLiteral("PIT/D"),
                          QStringLiteral("PIT-2K"), QStringLiteral("PIT/M"), QStringLiteral("PIT/O"),
                          QStringLiteral("PIT/X"), QStringLiteral("PIT/Z"), QStringLiteral("PIT/ZG"),
                          QStringLiteral("NIP-1"), QStringLiteral("NIP-3")});
    boxEdit_ = new QSpinBox(search);
    boxEdit_->setObjectName(QStringLiteral("Pole"));
    boxEdit_->setRange(1, 300);
    auto* go = new QPushButton(QStringLiteral("&Idź do"), search);
    go->setObjectName(QStringLiteral("IdzDo"));
    go->setAutoDefault(false);
    connect(go, &QPushButton::clicked, this, [this] { GoTo(formCombo_->currentText(), boxEdit_->value()); });
    // Enter in the box number searches; elsewhere it must not close the dialog.
    goButton_ = go;
    boxEdit_->installEventFilter(this);
    auto* sl = new QGridLayout(search);
    auto* formLabel = new QLabel(QStringLiteral("PIT/NIP"), search);
    formLabel->setBuddy(formCombo_);
    auto* boxLabel = new QLabel(QStringLiteral("Pole"), search);
    boxLabel->setBuddy(boxEdit_);
    sl->addWidget(formLabel, 0, 0);
    sl->addWidget(formCombo_, 1, 0);
    sl->addWidget(boxLabel, 0, 1);
    sl->addWidget(boxEdit_, 1, 1);
    sl->addWidget(go, 1, 2);

    auto* note = new QLabel(QStringLiteral(
        "W pola powyżej należy wpisać wartość przesunięcia w mm.\r\n\r\nAby przesunąć dane pole w kierunku "
        "przeciwnym należy podać wartość przesunięcia w mm ze znakiem minus. "), this);
    note->setObjectName(QStringLiteral("Uwaga"));
    note->setWordWrap(true);

    auto* close = new QPushButton(QStringLiteral("&Zamknij"), this);
    close->setObjectName(QStringLiteral("Zamknij"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(search);
    bottom->addWidget(note, 1);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(navBar);
    layout->addLayout(listRow);
    layout->addLayout(bottom);
    layout->addLayout(closeRow);
}

TTable* TKorektaFrm::table() const
{
    TTable* t = DM()->Korekta;
    t->ensureOpen();
    return t;
}

int TKorektaFrm::currentRow() const { return table()->recNo() - 1; }

void TKorektaFrm::reload()
{
    rows_.clear();
    for (const auto& r : table()->select(QString(), {}, {kPit, kOpis, kHint, kKorX, kKorY}))
        rows_.append(Row{r[0].toString(), r[1].toString(), r[2].toString(), r[3].toInt(), r[4].toInt()});
    updating_ = true;
    scroll_->setRange(0, std::max(0, int(rows_.size()) - VisibleRows));
    scroll_->setPageStep(VisibleRows);
    updating_ = false;
    top_ = std::clamp(top_, 0, scroll_->maximum());
    ensureVisible(currentRow());
    showRows();
}

void TKorektaFrm::ensureVisible(int row)
{
    if (row < 0) return;
    if (row < top_) top_ = row;
    if (row >= top_ + VisibleRows) top_ = row - VisibleRows + 1;
    updating_ = true;
    scroll_->setValue(top_);
    updating_ = false;
}

void TKorektaFrm::showRows()
{
    updating_ = true;
    TTable* t = table();
    const int cur = currentRow();
    const bool editing = t->state() == TTable::State::Edit;
    for (int p = 0; p < VisibleRows; ++p) {
        Panel& pn = panels_[p];
        const int r = top_ + p;
        const bool has = r < rows_.size();
        pn.frame->setVisible(has);
        if (!has) continue;
        Row row = rows_[r];
        if (r == cur && editing) {   // the edit buffer, not yet posted
            row.korX = t->asInt(kKorX);
            row.korY = t->asInt(kKorY);
        }
        pn.pit->setText(row.pit);
        pn.opis->setText(row.opis);
        pn.hint->setText(row.hint);
        pn.korX->setValue(row.korX);
        pn.korY->setValue(row.korY);
        pn.frame->setBackgroundRole(r == cur ? QPalette::Highlight : QPalette::Window);
        pn.pit->setForegroundRole(r == cur ? QPalette::HighlightedText : QPalette::WindowText);
    }
    for (NavButton b : {nbFirst, nbPrior}) nav_[b]->setEnabled(cur > 0);
    for (NavButton b : {nbNext, nbLast}) nav_[b]->setEnabled(cur >= 0 && cur < rows_.size() - 1);
    nav_[nbEdit]->setEnabled(cur >= 0 && !editing);
    nav_[nbPost]->setEnabled(editing);
    nav_[nbCancel]->setEnabled(editing);
    updating_ = false;
}

void TKorektaFrm::PostPending()
{
    TTable* t = table();
    if (t->state() == TTable::State::Edit || t->state() == TTable::State::Insert) {
        t->post();
        reload();
    }
}

void TKorektaFrm::moveTo(int row)
{
    if (row < 0 || row >= rows_.size()) return;
    PostPending();
    table()->moveTo(row + 1);
    ensureVisible(row);
    showRows();
}

void TKorektaFrm::Navigate(NavButton button)
{
    TTable* t = table();
    switch (button) {
    case nbFirst: moveTo(0); break;
    case nbPrior: moveTo(currentRow() - 1); break;
    case nbNext: moveTo(currentRow() + 1); break;
    case nbLast: moveTo(int(rows_.size()) - 1); break;
    case nbEdit:
        if (t->recNo() > 0 && t->state() == TTable::State::Browse) t->edit();
        if (currentRow() >= top_ && currentRow() < top_ + VisibleRows) panels_[currentRow() - top_].korX->setFocus();
        showRows();
        break;
    case nbPost: PostPending(); showRows(); break;
    case nbCancel:
        if (t->state() != TTable::State::Browse) t->cancel();
        showRows();
        break;
    case nbRefresh:
        PostPending();
        t->refresh();
        reload();
        break;
    default: break;
    }
}

bool TKorektaFrm::GoTo(const QString& formName, int box)
{
    const QString opis = QString::number(box);
    for (int r = 0; r < rows_.size(); ++r) {
        if (rows_[r].pit == formName && rows_[r].opis == opis) {
            moveTo(r);
            return true;
        }
    }
    return false;
}

void TKorektaFrm::shiftEdited(int panel, bool x, int value)
{
    if (updating_) return;
    const int row = top_ + panel;
    if (row >= rows_.size()) return;
    if (row != currentRow()) {
        moveTo(row);
        // moveTo showed the stored values again; the user's value goes into the new row.
        updating_ = true;
        (x ? panels_[row - top_].korX : panels_[row - top_].korY)->setValue(value);
        updating_ = false;
    }
    TTable* t = table();
    if (t->state() == TTable::State::Browse) t->edit();
    t->setValue(x ? kKorX : kKorY, value);
    showRows();
}

bool TKorektaFrm::eventFilter(QObject* o, QEvent* e)
{
    // Clicking or focusing a panel makes its row the current one.
    if (o == boxEdit_ && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            boxEdit_->interpretText();
            goButton_->click();
            return true;
        }
    }
    if (e->type() == QEvent::Wheel) {
        for (const Panel& pn : panels_)
            if (o == pn.frame) {
                const int steps = static_cast<QWheelEvent*>(e)->angleDelta().y() / 120;
                scroll_->setValue(scroll_->value() - steps);
                return true;
            }
    }
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::FocusIn) {
        for (int p = 0; p < VisibleRows; ++p) {
            const Panel& pn = panels_[p];
            if ((o == pn.frame || o == pn.korX || o == pn.korY) && top_ + p != currentRow()) {
                moveTo(top_ + p);
                break;
            }
        }
    }
    return QDialog::eventFilter(o, e);
}

void TKorektaFrm::showEvent(QShowEvent* e)
{
    Navigate(nbRefresh);
    QDialog::showEvent(e);
}

void TKorektaFrm::done(int r)
{
    PostPending();
    QDialog::done(r);
}
