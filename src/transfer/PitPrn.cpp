#include "PitPrn.h"

#include "FPrn.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <cmath>

TPitPrn::TPitPrn(QPrinter* printer) : printer_(printer) {}

TPitPrn::~TPitPrn() { EndDoc(); }

void TPitPrn::BeginDoc()
{
    if (open_) return;
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_)) {
        painter_.reset();
        throw TPrintError(QStringLiteral("Nie można rozpocząć wydruku: %1")
                              .arg(printer_->outputFileName().isEmpty() ? printer_->printerName()
                                                                         : printer_->outputFileName()));
    }
    open_ = true;
    dpiX_ = printer_->logicalDpiX();
    dpiY_ = printer_->logicalDpiY();
    const QPoint off = PrintingOffset(*printer_);
    offX_ = off.x();
    offY_ = off.y();
}

void TPitPrn::EndDoc()
{
    if (!open_) return;
    open_ = false;
    painter_->end();
    painter_.reset();
}

int TPitPrn::MmToX(float mm) const { return int(std::trunc(float(dpiX_) * mm / 25.4f)); }
int TPitPrn::MmToY(float mm) const { return int(std::trunc(float(dpiY_) * mm / 25.4f)); }

void TPitPrn::Text(float yMm, float xMm, const QString& text)
{
    if (!open_ || yMm < 0 || xMm < 0 || text.isEmpty()) return;
    const int x = MmToX(xMm) - offX_;
    const int y = MmToY(yMm) - offY_;
    painter_->drawText(QPoint(x, y + painter_->fontMetrics().ascent()), text);
}

void TPrnExt::Cells(const QString& text, float yMm, float xMm)
{
    for (int k = 0; k < text.size(); ++k) Text(yMm, xMm + float(k) * 4.98f, text.mid(k, 1));
}
