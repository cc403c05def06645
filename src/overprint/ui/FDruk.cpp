#include "FDruk.h"

#include "FMargin.h"
#include "FPit37.h"
#include "FPit37Druk.h"
#include "Globals.h"
#include "Messages.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TDrukFrm::TDrukFrm(QWidget* parent) : QDialog(parent), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("DrukFrm"));
    setWindowTitle(QStringLiteral("Nadruk"));

    auto* printerGroup = new QGroupBox(QStringLiteral("Aktualna drukarka"), this);
    printerName_ = new QLabel(printerGroup);
    printerName_->setObjectName(QStringLiteral("NazwaDrukarki"));
    auto* choose = new QPushButton(QStringLiteral("&Drukarka"), printerGroup);
    choose->setObjectName(QStringLiteral("Drukarka"));
    auto* pl = new QHBoxLayout(printerGroup);
    pl->addWidget(printerName_, 1);
    pl->addWidget(choose);
    connect(choose, &QPushButton::clicked, this, &TDrukFrm::ChoosePrinter);

    auto* copiesGroup = new QGroupBox(QStringLiteral("Kopie"), this);
    auto* copiesLabel = new QLabel(QStringLiteral("&Liczba kopii"), copiesGroup);
    copiesEdit_ = new QSpinBox(copiesGroup);
    copiesEdit_->setObjectName(QStringLiteral("LiczbaKopii"));
    copiesEdit_->setRange(1, 99);
    copiesLabel->setBuddy(copiesEdit_);
    sortBox_ = new QCheckBox(QStringLiteral("&Sortuj"), copiesGroup);
    sortBox_->setObjectName(QStringLiteral("Sortuj"));
    auto* cl = new QHBoxLayout(copiesGroup);
    cl->addWidget(copiesLabel);
    cl->addWidget(copiesEdit_);
    cl->addSpacing(12);
    cl->addWidget(sortBox_);
    cl->addStretch(1);
    connect(copiesEdit_, &QSpinBox::valueChanged, this, &TDrukFrm::updateSort);

    auto* pagesGroup = new QGroupBox(QStringLiteral("Strony do wydruku"), this);
    auto* grid = new QGridLayout(pagesGroup);
    for (int i = 0; i < 6; ++i) {
        pageBoxes_[i] = new QCheckBox(QStringLiteral("Strona &%1").arg(i + 1), pagesGroup);
        pageBoxes_[i]->setObjectName(QStringLiteral("Strona%1").arg(i + 1));
        grid->addWidget(pageBoxes_[i], i % 3, i / 3);
    }
    selectAll_ = new QPushButton(QStringLiteral("Zaznacz &wszystkie"), pagesGroup);
    selectAll_->setObjectName(QStringLiteral("ZaznaczWszystkie"));
    grid->addWidget(selectAll_, 3, 0, 1, 2);
    connect(selectAll_, &QPushButton::clicked, this, &TDrukFrm::SelectAll);

    margins_ = new QPushButton(QStringLiteral("&Marginesy"), this);
    margins_->setObjectName(QStringLiteral("Marginesy"));
    auto* print = new QPushButton(QStringLiteral("D&rukuj"), this);
    print->setObjectName(QStringLiteral("Drukuj"));
    print->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Anuluj"), this);
    cancel->setObjectName(QStringLiteral("Anuluj"));
    connect(margins_, &QPushButton::clicked, this, &TDrukFrm::OpenMargins);
    connect(print, &QPushButton::clicked, this, &TDrukFrm::Print);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* bl = new QHBoxLayout;
    bl->addWidget(margins_);
    bl->addStretch(1);
    bl->addWidget(print);
    bl->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printerGroup);
    layout->addWidget(copiesGroup);
    layout->addWidget(pagesGroup);
    layout->addLayout(bl);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    printerName_->setText(printer_->printerName());
    updateSort();
}

TDrukFrm::~TDrukFrm() = default;

void TDrukFrm::Prepare(int formKind)
{
    formKind_ = formKind;
    pageCount_ = OverprintPageCount(formKind);
    setWindowTitle(QStringLiteral("Nadruk - ") + FormTitles().value(formKind));
    printerName_->setText(printer_->printerName());
    for (int i = 0; i < 6; ++i) {
        pageBoxes_[i]->setVisible(i < pageCount_);
        pageBoxes_[i]->setEnabled(true);
    }
    if (pageCount_ == 1) {
        // A one-page form has nothing to choose.
        pageBoxes_[0]->setChecked(true);
        pageBoxes_[0]->setEnabled(false);
    }
    selectAll_->setVisible(pageCount_ >= 2);
    updateSort();
}

int TDrukFrm::Execute(int formKind)
{
    Prepare(formKind);
    return exec();
}

QVector<int> TDrukFrm::Pages() const
{
    QVector<int> r;
    for (int i = 0; i < 6; ++i)
        if (pages_[i]) r << i + 1;
    return r;
}

void TDrukFrm::SelectAll()
{
    for (int i = 0; i < pageCount_; ++i) pageBoxes_[i]->setChecked(true);
}

void TDrukFrm::updateSort() { sortBox_->setEnabled(copiesEdit_->value() > 1); }

void TDrukFrm::ChoosePrinter()
{
    QPrintDialog dialog(printer_.get(), this);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    dialog.exec();
    printerName_->setText(printer_->printerName());
}

TMarginesyFrm* TDrukFrm::marginesyFrm()
{
    if (!marginesy_) marginesy_ = new TMarginesyFrm(this);
    return marginesy_;
}

void TDrukFrm::OpenMargins() { marginesyFrm()->Execute(formKind_); }

void TDrukFrm::Print()
{
    sort_ = sortBox_->isChecked();
    copies_ = copiesEdit_->value();
    // The pages the form does not have are hidden, never printed.
    for (int i = 0; i < 6; ++i) pages_[i] = i < pageCount_ && pageBoxes_[i]->isChecked();
    accept();
}

bool RunOverprint(TDrukFrm& dialog, int formKind, const TOverprintPageProc& printPage)
{
    if (dialog.Execute(formKind) != QDialog::Accepted) return false;
    const QVector<int> pages = dialog.Pages();
    if (pages.isEmpty()) return false;
    try {
        TOverprintOutput output(dialog.printer());
        PrintOverprint(output, pages, dialog.Copies(), dialog.Sort(), printPage);
    } catch (const TPrintError& e) {
        ShowError(e.message());
        return false;
    }
    return true;
}

bool NadrukPit37(TDrukFrm& dialog, TPit37& pit, int podatId)
{
    if (!pit.Load(podatId)) return false;
    return RunOverprint(dialog, fkPit37, [&pit](TOverprintOutput& o, int page) { PrintPit37Page(o, pit, page); });
}
