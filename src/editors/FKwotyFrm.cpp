#include "FKwotyFrm.h"

#include "FDM.h"
#include "FEditKwotaFrm.h"
#include "Globals.h"
#include "Messages.h"
#include "zz_EditCalc.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

// ---- Grid model ----------------------------------------------------------------------------

int TKwotyModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : list_->count(); }
int TKwotyModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant TKwotyModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= list_->count()) return {};
    const TKwota& r = list_->rows().at(index.row());
    if (role == Qt::DisplayRole) return index.column() == 0 ? QVariant(r.opis) : QVariant(FormatAmount(r.kwota));
    if (role == Qt::TextAlignmentRole && index.column() == 1) return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TKwotyModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return section == 0 ? QStringLiteral("Opis") : QStringLiteral("Kwota");
}

// ---- Dialog --------------------------------------------------------------------------------

TKwotyFrm::TKwotyFrm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("KwotyFrm"));
    resize(560, 360);
    PozycjaOpisLbl = new QLabel(this);
    PozycjaOpisLbl->setObjectName(QStringLiteral("PozycjaOpisLbl"));
    PozycjaOpisLbl->setWordWrap(true);

    model_ = new TKwotyModel(&list_, this);
    Grid = new QTableView(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setModel(model_);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    Grid->horizontalHeader()->resizeSection(1, 130);
    Grid->verticalHeader()->hide();
    connect(Grid, &QTableView::doubleClicked, this, [this] { PoprawBtnClick(); });

    StatusBar = new QLabel(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setFrameShape(QFrame::StyledPanel);
    StatusBar->setFrameShadow(QFrame::Sunken);

    auto button = [this](const char* name, const char* text) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    DodajBtn = button("DodajBtn", "&Dodaj");
    PoprawBtn = button("PoprawBtn", "&Popraw");
    UsunBtn = button("UsunBtn", "&Usuń");
    ZapiszBtn = button("ZapiszBtn", "&Zapisz");
    AnulujBtn = button("AnulujBtn", "&Anuluj");
    connect(DodajBtn, &QPushButton::clicked, this, &TKwotyFrm::DodajBtnClick);
    connect(PoprawBtn, &QPushButton::clicked, this, &TKwotyFrm::PoprawBtnClick);
    connect(UsunBtn, &QPushButton::clicked, this, &TKwotyFrm::UsunBtnClick);
    connect(ZapiszBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(AnulujBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* side = new QVBoxLayout;
    for (QPushButton* b : {DodajBtn, PoprawBtn, UsunBtn}) side->addWidget(b);
    side->addStretch();
    side->addWidget(ZapiszBtn);
    side->addWidget(AnulujBtn);
    auto* middle = new QHBoxLayout;
    middle->addWidget(Grid, 1);
    middle->addLayout(side);
    auto* main = new QVBoxLayout(this);
    main->addWidget(PozycjaOpisLbl);
    main->addLayout(middle, 1);
    main->addWidget(StatusBar);
}

TKwotyFrm* TKwotyFrm::Instance()
{
    static QPointer<TKwotyFrm> instance;
    if (!instance) instance = new TKwotyFrm;
    return instance;
}

bool TKwotyFrm::prepare(const TKwotyKey& key)
{
    if (!list_.open(key)) {
        model_->reset();
        return false;
    }
    setWindowTitle(list_.caption());
    PozycjaOpisLbl->setText(list_.description());
    afterChange(list_.count() > 0 ? 0 : -1);
    Grid->setFocus();
    return true;
}

int TKwotyFrm::Execute(int podatId, int formKind, int person, int box, int nrZal)
{
    if (!prepare({podatId, formKind, person, box, nrZal})) return QDialog::Rejected;
    return exec();
}

int TKwotyFrm::currentRow() const
{
    const QModelIndex i = Grid->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void TKwotyFrm::selectRow(int row)
{
    if (row < 0 || row >= list_.count()) {
        Grid->setCurrentIndex(QModelIndex());
        return;
    }
    Grid->selectRow(row);
    Grid->setCurrentIndex(model_->index(row, 0));
}

QString TKwotyFrm::statusText() const { return StatusBar->text(); }

void TKwotyFrm::afterChange(int row)
{
    model_->reset();
    selectRow(row);
    StatusBar->setText(list_.statusText());
    const bool any = list_.count() > 0;
    PoprawBtn->setEnabled(any);
    UsunBtn->setEnabled(any);
}

void TKwotyFrm::DodajBtnClick()
{
    TEditKwota dlg(&list_, this);
    dlg.startInsert();
    const int keep = currentRow();
    if (dlg.exec() == QDialog::Accepted) afterChange(list_.indexOf(dlg.postedPorz()));
    else afterChange(keep);
}

void TKwotyFrm::PoprawBtnClick()
{
    const int row = currentRow();
    if (row < 0) return;
    TEditKwota dlg(&list_, this);
    if (!dlg.startEdit(list_.rows().at(row).porz)) {
        list_.reload();
        afterChange(std::min(row, list_.count() - 1));
        return;
    }
    if (dlg.exec() == QDialog::Accepted) afterChange(list_.indexOf(dlg.postedPorz()));
    else afterChange(row);
}

void TKwotyFrm::UsunBtnClick()
{
    const int row = currentRow();
    if (row < 0) return;
    if (!Confirm(QStringLiteral("Usunąć bieżącą pozycję z wykazu?"))) return;
    int next = row;
    try {
        next = list_.removeAt(row);
    } catch (const DbError& e) {
        ShowError(e.message());
        list_.reload();
    }
    afterChange(next);
}

bool ItemiseAmount(TGSkEditCalc* box, const TKwotyKey& key)
{
    TKwotyFrm* dlg = TKwotyFrm::Instance();
    if (dlg->Execute(key.podatId, key.formKind, key.person, key.box, key.nrZal) != QDialog::Accepted) return false;
    box->setValue(dlg->Result());
    box->setIsEmpty(false);
    box->runExitHandling();
    return true;
}
