#include "FMargin.h"

#include "FDM.h"
#include "FPrn.h"
#include "Globals.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TMarginesyFrm::TMarginesyFrm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MarginesyFrm"));
    auto* group = new QGroupBox(QStringLiteral("Marginesy [mm]"), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("Lewy"), group), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Górny"), group), 0, 2);
    for (int i = 0; i < 6; ++i) {
        const QString n = QString::number(i + 1);
        label_[i] = new QLabel(QStringLiteral("Strona &") + n, group);
        left_[i] = new QLineEdit(group);
        top_[i] = new QLineEdit(group);
        left_[i]->setObjectName(QStringLiteral("Lewy") + n);
        top_[i]->setObjectName(QStringLiteral("Gorny") + n);
        for (QLineEdit* e : {left_[i], top_[i]}) {
            e->setMaxLength(3);   // whole millimetres, negative allowed: "-99" .. "999"
            e->setValidator(new QIntValidator(-99, 999, e));
            e->setAlignment(Qt::AlignRight);
            e->setFixedWidth(60);
        }
        label_[i]->setBuddy(left_[i]);
        grid->addWidget(label_[i], i + 1, 0);
        grid->addWidget(left_[i], i + 1, 1);
        grid->addWidget(top_[i], i + 1, 2);
    }
    auto* buttons = new QDialogButtonBox(this);
    auto* save = buttons->addButton(QStringLiteral("&Zapisz"), QDialogButtonBox::AcceptRole);
    auto* cancel = buttons->addButton(QStringLiteral("&Anuluj"), QDialogButtonBox::RejectRole);
    save->setObjectName(QStringLiteral("Zapisz"));
    cancel->setObjectName(QStringLiteral("Anuluj"));
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &TMarginesyFrm::Save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TMarginesyFrm::Prepare(int formKind)
{
    formKind_ = formKind;
    pages_ = OverprintPageCount(formKind);
    setWindowTitle(QStringLiteral("Marginesy - ") + FormTitles().value(formKind));
    TTable* m = DM()->Marginesy;
    m->ensureOpen();
    for (int i = 0; i < 6; ++i) {
        const bool shown = i < pages_;
        label_[i]->setVisible(shown);
        left_[i]->setVisible(shown);
        top_[i]->setVisible(shown);
        int l = 0, t = 0;
        if (shown) {
            l = DM()->LeftMargin(formKind, i + 1);
            t = DM()->TopMargin(formKind, i + 1);
        }
        left_[i]->setText(QString::number(l));
        top_[i]->setText(QString::number(t));
    }
    left_[0]->setFocus();
}

int TMarginesyFrm::Execute(int formKind)
{
    Prepare(formKind);
    return exec();
}

void TMarginesyFrm::Save()
{
    TTable* m = DM()->Marginesy;
    m->ensureOpen();
    const QString symbol = FormSymbol(formKind_);
    const QStringList key{QStringLiteral("SymbolPit"), QStringLiteral("Strona")};
    for (int i = 0; i < pages_; ++i) {
        const int l = left_[i]->text().toInt();
        const int t = top_[i]->text().toInt();
        if (m->locate(key, {symbol, i + 1})) {
            // Each changed field is posted on its own, so an unchanged row is not rewritten.
            if (m->asInt(QStringLiteral("Lewy")) != l || m->isNull(QStringLiteral("Lewy"))) {
                m->edit();
                m->setValue(QStringLiteral("Lewy"), l);
                m->post();
            }
            if (m->asInt(QStringLiteral("Gorny")) != t || m->isNull(QStringLiteral("Gorny"))) {
                m->edit();
                m->setValue(QStringLiteral("Gorny"), t);
                m->post();
            }
        } else {
            m->append();
            m->setValue(QStringLiteral("SymbolPit"), symbol);
            m->setValue(QStringLiteral("Strona"), i + 1);
            m->setValue(QStringLiteral("Lewy"), l);
            m->setValue(QStringLiteral("Gorny"), t);
            m->post();
        }
    }
    accept();
}
