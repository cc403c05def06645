#include "KrataWidget.h"

#include "Globals.h"

#include <QMouseEvent>
#include <QPainter>

TKrataWidget::TKrataWidget(QWidget* parent, int columns) : QWidget(parent)
{
    if (columns <= 1) grid_ = std::make_unique<TKrata>();
    else grid_ = std::make_unique<TKrataGrid>(columns);
    grid_->onChanged = [this] { update(); };
    grid_->setFont(font());
    resize(TKrataBase::DefaultSize());
}

void TKrataWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    grid_->paint(p, rect());
}

void TKrataWidget::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) Q_EMIT clicked();
    QWidget::mousePressEvent(e);
}

TKrataWidget* AddBoxFrame(QWidget* page, int box, const QString& title, const QRect& geometry, bool editable)
{
    auto* w = new TKrataWidget(page);
    w->setObjectName(BoxTagName(box));
    w->setGeometry(geometry);
    TKrata* k = w->krata();
    k->setCaption(QString::number(box) + QStringLiteral(". ") + title);
    k->setBrush(EditColour(editable));
    w->lower();
    return w;
}
