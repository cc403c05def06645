#include "QRPage.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

TQRPage::TQRPage(QObject* parent) : QObject(parent), paper_(210, 297) {}

TQRCustomPit* TQRPage::component(const QString& name) const
{
    for (TQRCustomPit* c : components())
        if (c->objectName() == name) return c;
    return nullptr;
}

QList<TQRCustomPit*> TQRPage::components() const
{
    QList<TQRCustomPit*> out;
    for (QObject* o : children())
        if (auto* c = qobject_cast<TQRCustomPit*>(o)) out << c;
    return out;
}

void TQRPage::setDataFont(const QString& family, int pointSize)
{
    for (TQRCustomPit* c : components()) {
        if (!qobject_cast<TQRCustomBox*>(c) && !qobject_cast<TQRComb*>(c) && !qobject_cast<TQRDate*>(c)
            && !qobject_cast<TQRMemo*>(c))
            continue;
        QFont f = c->Font();
        f.setFamily(family);
        if (pointSize > 0) f.setPointSize(pointSize);
        c->setFont(f);
    }
}

void TQRPage::print(QPainter& painter, QPoint origin) const
{
    const TQRCanvas canvas(painter.device());
    const QPoint offset = origin + QPoint(canvas.toPixels(MarginLeft / 10.0), canvas.toPixels(MarginTop / 10.0));
    for (const TQRCustomPit* c : components()) c->print(painter, offset);
}

QImage TQRPage::render(int dpi) const
{
    const int w = int(paper_.width() / 25.4 * dpi + 0.5), h = int(paper_.height() / 25.4 * dpi + 0.5);
    QImage img(w, h, QImage::Format_RGB32);
    img.setDotsPerMeterX(int(dpi / 0.0254 + 0.5));
    img.setDotsPerMeterY(int(dpi / 0.0254 + 0.5));
    img.fill(Qt::white);
    QPainter p(&img);
    print(p);
    return img;
}

bool PrintPages(QPagedPaintDevice& device, const QList<const TQRPage*>& pages)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPainter p;
    if (!p.begin(&device)) return false;
    bool first = true;
    for (const TQRPage* page : pages) {
        if (!first) device.newPage();
        first = false;
        page->print(p);
    }
    return p.end();
}

bool PrintPagesToPdf(const QString& path, const QList<const TQRPage*>& pages, int resolution)
{
    QPdfWriter pdf(path);
    pdf.setResolution(resolution);
    pdf.setCreator(QStringLiteral("Zorvik 2008"));
    return PrintPages(pdf, pages);
}
