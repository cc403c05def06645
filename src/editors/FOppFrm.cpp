#include "FOppFrm.h"

#include "FDM.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString kAny = QStringLiteral("Dowolna");
const QStringList kFields = {QStringLiteral("KRS"), QStringLiteral("Nazwa"), QStringLiteral("Wojew"), QStringLiteral("Miasto")};
}  // namespace

TOppFrm::TOppFrm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TOppFrm"));
    TTable* t = DM()->Opp;
    t->ensureOpen();
    // The state of the list is the day its table was last written.
    const QDate state = QFileInfo(t->filePath()).lastModified().date();
    setWindowTitle(QStringLiteral("ORGANIZACJE POŻYTKU PUBLICZNEGO") + (state.isValid() ? QStringLiteral(" (stan na ")
                   + state.toString(QStringLiteral("dd-MM-yyyy")) + u')' : QString()));

    EdMiasto = new QComboBox(this);
    EdMiasto->setObjectName(QStringLiteral("EdMiasto"));
    EdMiasto->setMaxVisibleItems(24);
    EdMiasto->addItem(kAny);
    TQuery* q = DM()->MiastaOPP;
    q->close();
    try {
        q->open();
        for (q->first(); !q->eof(); q->next()) EdMiasto->addItem(q->asString(QStringLiteral("Miasto")));
    } catch (const DbError&) {
    }
    auto* townLbl = new QLabel(QStringLiteral("&Miejscowość:"), this);
    townLbl->setBuddy(EdMiasto);

    model_ = new QStandardItemModel(0, 4, this);
    model_->setHorizontalHeaderLabels(kFields);
    Grid = new QTableView(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setModel(model_);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->verticalHeader()->hide();
    const int widths[] = {15, 120, 30, 50};
    const int cw = fontMetrics().averageCharWidth();
    for (int c = 0; c < 4; ++c) Grid->setColumnWidth(c, std::min(widths[c], 60) * cw + 8);

    KrsLbl = new QLabel(this);
    NazwaLbl = new QLabel(this);
    MiastoLbl = new QLabel(this);
    KrsLbl->setObjectName(QStringLiteral("KrsLbl"));
    NazwaLbl->setObjectName(QStringLiteral("NazwaLbl"));
    MiastoLbl->setObjectName(QStringLiteral("MiastoLbl"));
    NazwaLbl->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(QStringLiteral("&Wybierz"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("WybierzBtn"));
    auto* cancel = buttons->addButton(QStringLiteral("&Anuluj"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("AnulujBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TOppFrm::WybierzBtnClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Grid, &QTableView::doubleClicked, this, &TOppFrm::WybierzBtnClick);
    connect(EdMiasto, &QComboBox::currentTextChanged, this, &TOppFrm::setTown);

    auto* top = new QHBoxLayout;
    top->addWidget(townLbl);
    top->addWidget(EdMiasto, 1);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(top);
    lay->addWidget(Grid, 1);
    lay->addWidget(KrsLbl);
    lay->addWidget(NazwaLbl);
    lay->addWidget(MiastoLbl);
    lay->addWidget(buttons);
    resize(900, 560);
    reload(QString());
}

void TOppFrm::reload(const QString& town)
{
    TTable* t = DM()->Opp;
    const auto rows = town.isEmpty() ? t->select(QStringLiteral("1=1"), {}, kFields)
                                     : t->select(QStringLiteral("Miasto = ?"), {town}, kFields);
    model_->removeRows(0, model_->rowCount());
    for (const auto& r : rows) {
        QList<QStandardItem*> items;
        for (const QVariant& v : r) items << new QStandardItem(v.toString());
        model_->appendRow(items);
    }
    if (Grid->selectionModel())
        connect(Grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TOppFrm::showCurrent,
                Qt::UniqueConnection);
    selectRow(0);
}

void TOppFrm::setTown(const QString& town) { reload(town == kAny ? QString() : town); }

int TOppFrm::rowCount() const { return model_->rowCount(); }

void TOppFrm::selectRow(int row)
{
    if (row >= 0 && row < model_->rowCount()) Grid->selectRow(row);
    showCurrent();
}

void TOppFrm::showCurrent()
{
    const int r = Grid->currentIndex().isValid() ? Grid->currentIndex().row() : -1;
    auto text = [&](int c) { return r < 0 ? QString() : model_->item(r, c)->text(); };
    KrsLbl->setText(QStringLiteral("KRS: ") + text(0));
    NazwaLbl->setText(QStringLiteral("Nazwa: ") + text(1));
    MiastoLbl->setText(QStringLiteral("Miejscowość: ") + text(3));
}

void TOppFrm::WybierzBtnClick()
{
    const int r = Grid->currentIndex().isValid() ? Grid->currentIndex().row() : -1;
    if (r < 0) return;
    krs_ = model_->item(r, 0)->text();
    nazwa_ = model_->item(r, 1)->text();
    accept();
}
