#include "FEditKwotaFrm.h"

#include "BoxWidgets.h"
#include "FDM.h"
#include "Kwoty.h"
#include "Messages.h"
#include "zz_EditCalc.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TEditKwota::TEditKwota(TKwotyList* list, QWidget* parent) : QDialog(parent), list_(list)
{
    setObjectName(QStringLiteral("EditKwota"));
    setWindowTitle(QString());
    OpisEdit = new QLineEdit(this);
    OpisEdit->setObjectName(QStringLiteral("OpisEdit"));
    OpisEdit->setMaxLength(50);
    OpisEdit->setMinimumWidth(320);
    KwotaEdit = new TGSkEditCalc(this);
    KwotaEdit->setObjectName(QStringLiteral("KwotaEdit"));
    KwotaEdit->setCheckOptions({});
    KwotaEdit->setDisplayFormat(QStringLiteral("#,##0.00"));
    KwotaEdit->setMaximumWidth(140);

    auto* form = new QFormLayout;
    auto* opisLbl = new QLabel(QStringLiteral("&Opis"), this);
    opisLbl->setBuddy(OpisEdit);
    auto* kwotaLbl = new QLabel(QStringLiteral("&Kwota"), this);
    kwotaLbl->setBuddy(KwotaEdit);
    form->addRow(opisLbl, OpisEdit);
    form->addRow(kwotaLbl, KwotaEdit);

    QHBoxLayout* buttons = SaveCancelRow(this, ZapiszBtn, AnulujBtn);
    ZapiszBtn->setDefault(true);
    connect(ZapiszBtn, &QPushButton::clicked, this, &TEditKwota::ZapiszBtnClick);
    auto* main = new QVBoxLayout(this);
    main->addLayout(form);
    main->addLayout(buttons);
}

void TEditKwota::startInsert()
{
    porz_ = 0;
    OpisEdit->clear();
    KwotaEdit->setValue(Amount());
    KwotaEdit->setIsEmpty(false);
}

bool TEditKwota::startEdit(int porz)
{
    TKwota row;
    if (!list_->find(porz, row)) return false;
    porz_ = porz;
    OpisEdit->setText(row.opis);
    KwotaEdit->setValue(row.kwota);
    KwotaEdit->setIsEmpty(false);
    return true;
}

void TEditKwota::ZapiszBtnClick()
{
    try {
        const Amount kwota = KwotaEdit->Value();
        posted_ = porz_ == 0 ? list_->insert(OpisEdit->text(), kwota) : list_->update(porz_, OpisEdit->text(), kwota);
    } catch (const DbError& e) {
        ShowError(e.message());
        return;
    }
    accept();
}
