#include "BoxWidgets.h"

#include "Globals.h"
#include "zz_EditCalc.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

void ApplyAmountStyle(TGSkEditCalc* edit, TAmountStyle style)
{
    edit->setDisplayFormat(style == TAmountStyle::Whole ? QStringLiteral("#,##0") : QStringLiteral("#,##0.00"));
    switch (style) {
    case TAmountStyle::Plain:
    case TAmountStyle::Whole: edit->setCheckOptions({}); break;
    case TAmountStyle::Capped: edit->setCheckOptions(coCheckHighLimit | coCheckOnExit | coCropBeyondLimit); break;
    case TAmountStyle::Checked: edit->setCheckOptions(coCheckOnExit); break;
    }
}

TGSkEditCalc* AddAmountEdit(QWidget* page, int box, const QRect& geometry, TAmountStyle style)
{
    auto* e = new TGSkEditCalc(page);
    e->setObjectName(BoxControlName(box));
    e->setGeometry(geometry);
    ApplyAmountStyle(e, style);
    return e;
}

QLabel* AddAmountLabel(QWidget* page, int box, const QRect& geometry)
{
    auto* l = new QLabel(page);
    l->setObjectName(BoxLabelName(box));
    l->setGeometry(geometry);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QToolButton* AddItemiseButton(QWidget* page, int box, const QRect& geometry)
{
    auto* b = new QToolButton(page);
    b->setObjectName(BoxButtonName(box));
    b->setText(QStringLiteral("..."));
    b->setGeometry(geometry);
    b->setFocusPolicy(Qt::NoFocus);
    b->setProperty("box", box);
    return b;
}

QHBoxLayout* SaveCancelRow(QDialog* dialog, QPushButton*& save, QPushButton*& cancel, const QString& saveText,
                           const QString& cancelText)
{
    save = new QPushButton(saveText, dialog);
    save->setObjectName(QStringLiteral("ZapiszBtn"));
    cancel = new QPushButton(cancelText, dialog);
    cancel->setObjectName(QStringLiteral("AnulujBtn"));
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(save);
    row->addWidget(cancel);
    return row;
}
