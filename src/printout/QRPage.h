#pragma once
// One printed page of a form: an A4 sheet in millimetres holding report components
// (children, found by name: "F39", "FNipPod" ...), with page margins in tenths of a
// millimetre that shift everything on it. Pages are drawn to any device: a printer,
// a PDF file, an image, the preview.

#include "QRPit.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QSizeF>

class QPagedPaintDevice;

class TQRPage : public QObject {
    Q_OBJECT
public:
    explicit TQRPage(QObject* parent = nullptr);

    // Paper size (A4 portrait by default).
    QSizeF PaperMm() const { return paper_; }
    void setPaperMm(QSizeF s) { paper_ = s; }
    // Margins in tenths of a millimetre; the left and top ones move the components.
    int MarginLeft = 0, MarginTop = 0, MarginRight = 0, MarginBottom = 0;

    // Creates a component on the page at the position in millimetres.
    template <class T>
    T* add(const QString& name, double left, double top, double width, double height)
    {
        auto* c = new T(this);
        c->setObjectName(name);
        c->setGeometryMm(left, top, width, height);
        return c;
    }
    TQRCustomPit* component(const QString& name) const;
    template <class T>
    T* find(const QString& name) const { return qobject_cast<T*>(component(name)); }
    QList<TQRCustomPit*> components() const;

    // The configured data font (name and size) for every component that prints the user's
    // data: boxes (their value font), digit rows, dates and memos; the form's own texts
    // (labels, cells, headings, footer) keep theirs.
    void setDataFont(const QString& family, int pointSize);

    // Draws every component, in creation order, onto the painter's device; `origin` is the
    // device pixel where the sheet's corner lies (0, 0 on a full-page printer).
    void print(QPainter& painter, QPoint origin = {}) const;
    // The page on a white image of the given resolution.
    QImage render(int dpi) const;

private:
    QSizeF paper_;
};

// Prints the pages as one job onto a paged device (PDF writer or printer set to A4,
// full page); returns false when the device could not be painted on.
bool PrintPages(QPagedPaintDevice& device, const QList<const TQRPage*>& pages);
// The same into a PDF file.
bool PrintPagesToPdf(const QString& path, const QList<const TQRPage*>& pages, int resolution = 600);
