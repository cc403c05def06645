#include "KwotaZGFrm.h"

#include "BoxWidgets.h"
#include "Globals.h"
#include "zz_EditCalc.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

TKwotaZG::TKwotaZG(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("KwotaZG"));
    KwotaEdit = new TGSkEditCalc(this);
    KwotaEdit->setObjectName(QStringLiteral("KwotaEdit"));
    KwotaEdit->setCheckOptions({});
    KwotaEdit->setDisplayFormat(QStringLiteral("#,##0.00"));
    PitZGLbl = new QLabel(this);
    PitZGLbl->setObjectName(QStringLiteral("PitZGLbl"));
    SumaLbl = new QLabel(this);
    SumaLbl->setObjectName(QStringLiteral("SumaLbl"));
    for (QLabel* l : {PitZGLbl, SumaLbl}) {
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setMinimumWidth(121);
    }
    connect(KwotaEdit, &TGSkEditCalc::exited, this, &TKwotaZG::refreshSum);

    auto* frame = new QGroupBox(this);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(QStringLiteral("Kwota"), frame), 0, 0);
    grid->addWidget(KwotaEdit, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Z PIT/ZG"), frame), 1, 0);
    grid->addWidget(PitZGLbl, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Razem"), frame), 2, 0);
    grid->addWidget(SumaLbl, 2, 1);

    QHBoxLayout* buttons = SaveCancelRow(this, ZapiszBtn, AnulujBtn);
    connect(ZapiszBtn, &QPushButton::clicked, this, &QDialog::accept);
    auto* main = new QVBoxLayout(this);
    main->addWidget(frame);
    main->addLayout(buttons);
}

TKwotaZG* TKwotaZG::Instance()
{
    static QPointer<TKwotaZG> instance;
    if (!instance) instance = new TKwotaZG;
    return instance;
}

void TKwotaZG::prepare(Amount pitZG, Amount own)
{
    pitZG_ = pitZG;
    KwotaEdit->setValue(own);
    KwotaEdit->setIsEmpty(false);
    PitZGLbl->setText(FormatAmount(pitZG));
    refreshSum();
    KwotaEdit->setFocus();
}

int TKwotaZG::Execute(Amount pitZG, Amount own)
{
    prepare(pitZG, own);
    return exec();
}

Amount TKwotaZG::Result() const { return KwotaEdit->Value(); }

void TKwotaZG::refreshSum() { SumaLbl->setText(FormatAmount(KwotaEdit->Value() + pitZG_)); }
