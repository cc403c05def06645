#include "Krata.h"

#include "Globals.h"

#include <QFontMetrics>
#include <QPainter>

TKrataBase::TKrataBase() : brush_(EditColour(false)), pen_(Qt::black, 1)
{
    font_.setPointSize(8);
}

void TKrataBase::setRows(int n)
{
    if (n <= 0 || n == rows_) return;
    rows_ = n;
    changed();
}

void TKrataBase::setBrush(const QBrush& b)
{
    if (b == brush_) return;
    brush_ = b;
    changed();
}

void TKrataBase::setPen(const QPen& p)
{
    if (p == pen_) return;
    pen_ = p;
    changed();
}

void TKrataBase::setFont(const QFont& f)
{
    if (f == font_) return;
    font_ = f;
    changed();
}

QRect TKrataBase::frameRect(const QRect& bounds) const
{
    const int w = std::max(1, pen_.width());
    const int h = w / 2;
    return QRect(bounds.left() + h, bounds.top() + h, bounds.width() - w, bounds.height() - w);
}

QVector<int> TKrataBase::rowLines(const QRect& bounds) const
{
    const QRect f = frameRect(bounds);
    QVector<int> out;
    for (int k = 1; k < rows_; ++k) out << f.top() + k * f.height() / rows_;
    return out;
}

// ---- Frame with a caption ------------------------------------------------------------------

void TKrata::setCaption(const QString& s)
{
    if (s == caption_) return;
    caption_ = s;
    changed();
}

void TKrata::setMargLeft(int v)
{
    if (v <= 0 || v == margLeft_) return;
    margLeft_ = v;
    changed();
}

void TKrata::setMargTop(int v)
{
    if (v <= 0 || v == margTop_) return;
    margTop_ = v;
    changed();
}

QPoint TKrata::captionPos(const QRect& bounds) const
{
    return frameRect(bounds).topLeft() + QPoint(margLeft_, margTop_);
}

void TKrata::paint(QPainter& p, const QRect& bounds) const
{
    p.save();
    p.setPen(Pen());
    p.setBrush(Brush());
    const QRect f = frameRect(bounds);
    p.drawRect(f);
    for (int y : rowLines(bounds)) p.drawLine(f.left(), y, f.right() + 1, y);
    if (!caption_.isEmpty()) {
        p.setFont(Font());
        const QFontMetrics fm(Font(), p.device());
        const QPoint at = captionPos(bounds);
        int y = at.y() + fm.ascent();
        for (const QString& line : caption_.split(u'\n')) {
            p.drawText(at.x(), y, line);
            y += fm.height();
        }
    }
    p.restore();
}

// ---- Grids ---------------------------------------------------------------------------------

TKrataGrid::TKrataGrid(int columns)
{
    const int n = std::clamp(columns, 2, 6);
    widths_.fill(DefaultSize().width() / n, n - 1);
}

void TKrataGrid::setColumnWidth(int i, int w)
{
    if (w < 0 || i < 0 || i >= widths_.size() || widths_[i] == w) return;
    widths_[i] = w;
    changed();
}

void TKrataGrid::setEqual(bool on, int gridWidth)
{
    if (on == equal_) return;
    equal_ = on;
    if (on) widths_.fill(gridWidth / Columns());
    changed();
}

QVector<int> TKrataGrid::columnLines(const QRect& bounds) const
{
    QVector<int> out;
    const int n = Columns();
    int x = bounds.left();
    for (int k = 1; k < n; ++k) {
        x = equal_ ? bounds.left() + k * bounds.width() / n : x + widths_[k - 1];
        out << x;
    }
    return out;
}

void TKrataGrid::paint(QPainter& p, const QRect& bounds) const
{
    p.save();
    p.setPen(Pen());
    p.setBrush(Brush());
    const QRect f = frameRect(bounds);
    p.drawRect(f);
    for (int x : columnLines(bounds)) p.drawLine(x, f.top(), x, f.bottom() + 1);
    for (int y : rowLines(bounds)) p.drawLine(f.left(), y, f.right() + 1, y);
    p.restore();
}
