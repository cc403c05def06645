#include "FWyborZal.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TWyborZal::TWyborZal(int count, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TWyborZal"));
    setWindowTitle(QStringLiteral("Wybierz załącznik"));
    ListaZal = new QListWidget(this);
    ListaZal->setObjectName(QStringLiteral("ListaZal"));
    for (int i = 1; i <= count; ++i) ListaZal->addItem(QStringLiteral("Załącznik ") + QString::number(i));
    if (count > 0) ListaZal->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("OKBtn"));
    buttons->addButton(QStringLiteral("&Anuluj"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("AnulujBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        chosen_ = ListaZal->currentRow() + 1;
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ListaZal, &QListWidget::itemActivated, this, [this] {
        chosen_ = ListaZal->currentRow() + 1;
        accept();
    });
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(ListaZal);
    lay->addWidget(buttons);
    resize(260, 240);
}

int TWyborZal::Choose(int count, QWidget* parent)
{
    TWyborZal d(count, parent);
    return d.exec() == QDialog::Accepted ? d.chosen() : 0;
}
