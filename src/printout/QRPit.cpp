#include "QRPit.h"

#include "Globals.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

// ---- Canvas --------------------------------------------------------------------------------

double TQRCanvas::dotsPerMm() const { return device ? device->logicalDpiX() / 25.4 : 96 / 25.4; }

int TQRCanvas::toPixels(double mm) const { return int(std::lround(mm * dotsPerMm())); }

int TQRCanvas::penPixels(int width) const
{
    if (width <= 0) return 0;
    const double dpi = device ? device->logicalDpiX() : 96;
    return std::max(1, int(std::lround(width * dpi / 96.0)));
}

int CentreInCell(int a, int b, int charWidth) { return std::max(0, a + (b - a - charWidth) / 2); }

namespace {

QFontMetrics metrics(const TQRCanvas& c, const QFont& f) { return QFontMetrics(f, c.device); }
int textWidth(const TQRCanvas& c, const QFont& f, const QString& s) { return metrics(c, f).horizontalAdvance(s); }
int textHeight(const TQRCanvas& c, const QFont& f) { return metrics(c, f).height(); }

}  // namespace

// ---- Base ----------------------------------------------------------------------------------

QFont TQRCustomPit::DefaultFont(int pointSize)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(pointSize);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

TQRCustomPit::TQRCustomPit(QObject* parent)
    : QObject(parent), pen_(Qt::black, 1), brush_(Qt::white), font_(DefaultFont(11))
{
}

void TQRCustomPit::setLeft(double mm) { assign(left_, mm); }
void TQRCustomPit::setTop(double mm) { assign(top_, mm); }
void TQRCustomPit::setWidth(double mm) { assign(width_, mm); }
void TQRCustomPit::setHeight(double mm) { assign(height_, mm); }

void TQRCustomPit::setGeometryMm(double left, double top, double width, double height)
{
    if (left_ == left && top_ == top && width_ == width && height_ == height) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Q_EMIT changed();
}

void TQRCustomPit::setPen(const QPen& p) { assign(pen_, p); }
void TQRCustomPit::setBrush(const QBrush& b) { assign(brush_, b); }
void TQRCustomPit::setFont(const QFont& f) { assign(font_, f); }

TQREdges TQRCustomPit::edges(const TQRCanvas& c) const
{
    TQREdges e;
    e.left = c.toPixels(left_) + c.offset.x();
    e.right = c.toPixels(left_ + width_) + c.offset.x();
    e.top = c.toPixels(top_) + c.offset.y();
    e.bottom = c.toPixels(top_ + height_) + c.offset.y();
    return e;
}

TQRItems TQRCustomPit::layout(const TQRCanvas& c) const
{
    TQRItems out;
    build(c, edges(c), out);
    return out;
}

void TQRCustomPit::print(QPainter& painter, QPoint offset) const
{
    PaintItems(painter, layout(TQRCanvas(painter.device(), offset)));
}

QPen TQRCustomPit::devicePen(const TQRCanvas& c) const
{
    QPen p = pen_;
    p.setWidth(c.penPixels(pen_.width()));
    if (pen_.width() <= 0) p.setStyle(Qt::NoPen);
    return p;
}

TQRItem TQRCustomPit::rectItem(const TQRCanvas& c, const QRect& r) const
{
    TQRItem it;
    it.kind = TQRItem::Rect;
    it.rect = r;
    it.pen = devicePen(c);
    it.brush = brush_;
    return it;
}

TQRItem TQRCustomPit::lineItem(const QPen& pen, int x1, int y1, int x2, int y2)
{
    TQRItem it;
    it.kind = TQRItem::Line;
    it.line = QLine(x1, y1, x2, y2);
    it.pen = pen;
    return it;
}

TQRItem TQRCustomPit::textItem(int x, int y, const QString& text, const QFont& font, const QColor& colour)
{
    TQRItem it;
    it.kind = TQRItem::Text;
    it.pos = QPoint(x, y);
    it.text = text;
    it.font = font;
    it.pen = QPen(colour);
    return it;
}

namespace {

// The rectangle from (left, top) to (right, bottom), outline inside as a desktop canvas draws it.
QRect edgeRect(const TQREdges& e) { return QRect(e.left, e.top, e.width() - 1, e.height() - 1); }

}  // namespace

void PaintItems(QPainter& painter, const TQRItems& items)
{
    painter.save();
    for (const TQRItem& it : items) {
        switch (it.kind) {
        case TQRItem::Rect:
            painter.setPen(it.pen);
            painter.setBrush(it.brush);
            painter.drawRect(it.rect);
            break;
        case TQRItem::Fill:
            painter.fillRect(it.rect, it.brush);
            break;
        case TQRItem::Line:
            painter.setPen(it.pen);
            painter.drawLine(it.line);
            break;
        case TQRItem::Text: {
            painter.setFont(it.font);
            painter.setPen(it.pen);
            const QFontMetrics fm(it.font, painter.device());
            painter.drawText(it.pos.x(), it.pos.y() + fm.ascent(), it.text);
            break;
        }
        }
    }
    painter.restore();
}

// ---- Combs ---------------------------------------------------------------------------------

void TQRComb::buildComb(const TQRCanvas& c, const TQREdges& e, int n, const QString& chars, TQRItems& out) const
{
    const QPen pen = devicePen(c);
    const int w = e.width() / n;
    out << lineItem(pen, e.left, e.bottom, e.left + n * w, e.bottom);
    const int tick = e.height() / 3;
    for (int k = 0; k <= n; ++k) out << lineItem(pen, e.left + k * w, e.bottom, e.left + k * w, e.bottom - tick);
    const QFont f = Font();
    if (e.height() < textHeight(c, f)) return;
    const QFontMetrics fm = metrics(c, f);
    for (int k = 0; k < n && k < chars.size(); ++k) {
        const QString ch(chars.at(k));
        if (ch == QStringLiteral(" ")) continue;
        const int a = e.left + k * w;
        out << textItem(CentreInCell(a, a + w, fm.horizontalAdvance(ch)), e.top, ch, f, FontColor());
    }
}

TQRMonth::TQRMonth(QObject* parent) : TQRComb(parent) { setWidth(11); }

void TQRMonth::setMonth(int m)
{
    if (m < 0 || m > 99) return;
    assign(month_, m);
}

QString TQRMonth::digits() const
{
    if (month_ == 0 && !printZero_) return QStringLiteral("  ");
    return QString::number(month_).rightJustified(2, u'0');
}

void TQRMonth::build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const
{
    buildComb(c, e, 2, digits(), out);
}

TQRYear::TQRYear(QObject* parent) : TQRComb(parent) { setWidth(22); }

void TQRYear::setYear(int y)
{
    if (y != 0 && (y < 1901 || y > 2099)) return;
    assign(year_, y);
}

QString TQRYear::digits() const { return year_ == 0 ? QStringLiteral("    ") : QString::number(year_); }

void TQRYear::build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const
{
    buildComb(c, e, 4, digits(), out);
}

TQRNIP::TQRNIP(QObject* parent) : TQRComb(parent) { setWidth(65); }

void TQRNIP::build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const { buildComb(c, e, 13, nip_, out); }

TQRPlotek::TQRPlotek(QObject* parent) : TQRComb(parent) { setWidth(21); }

void TQRPlotek::setIlosc(int n)
{
    if (n < 1 || n > 100) return;
    assign(ilosc_, n);
}

void TQRPlotek::build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const
{
    buildComb(c, e, ilosc_, text_, out);
}

TQRDate::TQRDate(QObject* parent) : TQRCustomPit(parent) { setWidth(48); }

void TQRDate::setDate(const QDate& d)
{
    const QDate v = d.isValid() ? d : QDate();
    assign(date_, v);
}

void TQRDate::build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const
{
    const QPen pen = devicePen(c);
    const int w = e.width() / 18;
    const int x = e.left;
    for (auto [a, b] : {std::pair{0, 4}, {5, 9}, {10, 18}}) out << lineItem(pen, x + a * w, e.bottom, x + b * w, e.bottom);
    const int tick = e.height() / 3;
    for (int k : {0, 2, 4, 5, 7, 9, 10, 12, 14, 16, 18})
        out << lineItem(pen, x + k * w, e.bottom, x + k * w, e.bottom - tick);
    if (!date_.isValid()) return;
    const QFont f = Font();
    if (e.height() < textHeight(c, f)) return;
    const QFontMetrics fm = metrics(c, f);
    const QString digits = date_.toString(QStringLiteral("ddMMyyyy"));
    const int cells[] = {0, 2, 5, 7, 10, 12, 14, 16};
    for (int k = 0; k < 8; ++k) {
        const QString ch(digits.at(k));
        const int a = x + cells[k] * w;
        out << textItem(CentreInCell(a, a + 2 * w, fm.horizontalAdvance(ch)), e.top, ch, f, FontColor());
    }
}

// ---- Boxes ---------------------------------------------------------------------------------

TQRCustomBox::TQRCustomBox(QObject* parent) : TQRCustomPit(parent), captionFont_(DefaultFont(7))
{
    setFont(DefaultFont(12));
    setGeometryMm(0, 0, 50, 9);
}

void TQRCustomBox::buildFrame(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const
{
    out << rectItem(c, edgeRect(e));
    if (caption_.isEmpty()) return;
    const int x = e.left + textWidth(c, captionFont_, QString(gora_));
    const int y = e.top + textHeight(c, captionFont_) / 6 + c.penPixels(Pen().width());
    out << textItem(x, y, caption_, captionFont_, FontColor());
}

void TQRTextBox::build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const
{
    buildFrame(c, e, out);
    if (text_.isEmpty()) return;
    const QFont f = Font();
    const int tw = textWidth(c, f, text_);
    const int y = e.bottom - textHeight(c, f) - 2;
    int x;
    if (alignment_ & Qt::AlignRight) x = e.right - tw - textWidth(c, CaptionFont(), QStringLiteral("  "));
    else if (alignment_ & Qt::AlignHCenter) x = e.left + (e.width() - tw) / 2;
    else x = e.left + textWidth(c, CaptionFont(), QString(ZnakOdstepuDol()));
    out << textItem(x, y, text_, f, FontColor());
}

QString TQRIntBox::valueText() const
{
    if (value_.isZero() && !printZero_) return QString();
    return FormatWholeAmount(value_) + (printZL_ ? QStringLiteral(" zł") : QString());
}

void TQRIntBox::build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const
{
    buildFrame(c, e, out);
    const QString t = valueText();
    if (t.isEmpty()) return;
    const QFont f = Font();
    out << textItem(e.right - textWidth(c, f, t + u' '), e.bottom - textHeight(c, f) - 2, t, f, FontColor());
}

QString TQRCurrBox::ValueText(Amount v, bool intValue, bool printZL, bool printZero)
{
    if (v.isZero() && !printZero) return QString();
    if (!printZL) return intValue ? FormatWholeAmount(v) : FormatAmount(v);
    // Złoty and grosze both taken from the one text rounded to grosze, so they agree.
    const QString text = FormatAmount(v);
    const qsizetype comma = text.indexOf(u',');
    return text.left(comma) + QStringLiteral(" zł, ") + text.right(2) + QStringLiteral(" gr");
}

QString TQRCurrBox::valueText() const { return ValueText(value_, intValue_, printZL_, printZero_); }

void TQRCurrBox::build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const
{
    buildFrame(c, e, out);
    const QString t = valueText();
    if (t.isEmpty()) return;
    const QFont f = Font();
    const int x = e.right - textWidth(c, CaptionFont(), QString(ZnakOdstepuDol())) - textWidth(c, f, t);
    const int y = e.bottom - textHeight(c, f) - metrics(c, CaptionFont()).height() / 6;
    out << textItem(x, y, t, f, FontColor());
}

// ---- Cell, label, square -------------------------------------------------------------------

void TQRCell::build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const
{
    out << rectItem(c, edgeRect(e));
    if (caption_.isEmpty()) return;
    const QFont f = Font();
    const int w = textWidth(c, f, caption_);
    const int h = textHeight(c, f);
    const int x = hor_ == haLeft ? e.left : hor_ == haCenter ? e.left + (e.width() - w) / 2 : e.right - w;
    const int y = vert_ == vaTop ? e.top : vert_ == vaCenter ? e.top + (e.height() - h) / 2 : e.bottom - h - 1;
    out << textItem(x, y, caption_, f, FontColor());
}

TQRSmartLabel::TQRSmartLabel(QObject* parent) : TQRCustomPit(parent) {}

void TQRSmartLabel::build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const
{
    TQRItem fill;
    fill.kind = TQRItem::Fill;
    fill.rect = QRect(e.left, e.top, e.width(), e.height());
    fill.brush = QBrush(color_);
    out << fill;

    QFont f = Font();
    f.setBold(false);
    f.setItalic(false);
    f.setUnderline(false);
    int x = e.left;
    const QString& s = caption_;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'<' && i + 3 < s.size() && (s[i + 1] == u'+' || s[i + 1] == u'-') && s[i + 3] == u'>') {
            const bool on = s[i + 1] == u'+';
            const QChar style = s[i + 2];
            if (style == u'b' || style == u'u' || style == u'i') {
                if (style == u'b') f.setBold(on);
                else if (style == u'u') f.setUnderline(on);
                else f.setItalic(on);
                i += 3;
                continue;
            }
        }
        const QString ch(s[i]);
        out << textItem(x, e.top, ch, f, FontColor());
        x += textWidth(c, f, ch);
    }
}

TQRCheckBox::TQRCheckBox(QObject* parent) : TQRCustomPit(parent) { setGeometryMm(0, 0, 3, 3); }

void TQRCheckBox::build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const
{
    out << rectItem(c, edgeRect(e));
    if (!checked_) return;
    const QPen pen = devicePen(c);
    out << lineItem(pen, e.left, e.top, e.right - 1, e.bottom - 1);
    out << lineItem(pen, e.left, e.bottom - 1, e.right - 1, e.top);
}

// ---- Footer --------------------------------------------------------------------------------

namespace {

struct FormInfo {
    const char* symbol;
    int pages;
};

const FormInfo kForms[] = {
    {"PIT-4", 2},   {"PIT-4R", 4},   {"PIT-5", 4},    {"PIT-5L", 3},  {"PIT-5/A", 2},  {"PIT-5/X", 1},
    {"PIT-13", 2},  {"PIT-28", 4},   {"PIT-36", 4},   {"PIT-36L", 4}, {"PIT-37", 3},   {"PIT-38", 2},
    {"PIT/B", 2},   {"PIT/D", 4},    {"PIT-2K", 1},   {"PIT/M", 1},   {"PIT/O", 2},    {"PIT-28/A", 1},
    {"PIT-28/B", 2}, {"NIP-1", 4},   {"NIP-2", 4},    {"NIP-3", 2},   {"NIP-1/A", 2},  {"NIP-2/A", 2},
    {"NIP-B", 2},   {"NIP-C", 2},    {"NIP-D", 2},    {"VAT-7", 2},   {"VAT-R", 2},    {"VAT-R/UE", 1},
    {"VAT-UE", 2},  {"VAT-UE/A", 2}, {"VAT-UE/B", 2}, {"IFT-1/IFT-1R", 2}, {"CIT-2", 2}, {"SSE-R", 4},
    {"VZM-1", 3},   {"VZM-1/A", 2},  {"VZM-1/B", 2},  {"PIT-AZ", 4},  {"AZ-O", 1},
};
static_assert(sizeof(kForms) / sizeof(kForms[0]) == fmAZO + 1);

}  // namespace

QString FormularzSymbol(TQRFormularz f) { return QString::fromUtf8(kForms[f].symbol); }

int FormularzPages(TQRFormularz f, const QString& version)
{
    if (f == fmPit36 && (version == u"12" || version == u"14")) return 6;
    if (f == fmPit36L && (version == u"4" || version == u"5")) return 3;
    if (f == fmPitD && (version == u"19" || version == u"20")) return 2;
    return kForms[f].pages;
}

TQRPitFooter::TQRPitFooter(QObject* parent) : TQRCustomPit(parent) { setGeometryMm(0, 0, 38, 6); }

void TQRPitFooter::setFormularz(TQRFormularz f)
{
    if (f == form_) return;
    form_ = f;
    pages_ = FormularzPages(form_, version_);
    pageNo_ = std::min(pageNo_, pages_);
    Q_EMIT changed();
}

void TQRPitFooter::setPageNo(int n)
{
    if (n < 1) return;
    assign(pageNo_, std::min(n, pages_));
}

void TQRPitFooter::setVersion(const QString& v)
{
    if (v == version_) return;
    version_ = v;
    pages_ = FormularzPages(form_, version_);
    pageNo_ = std::min(pageNo_, pages_);
    Q_EMIT changed();
}

void TQRPitFooter::build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const
{
    out << rectItem(c, edgeRect(e));
    const int divider = e.left + e.width() * 2 / 3;
    out << lineItem(devicePen(c), divider, e.top, divider, e.bottom);

    QFont bold = Font();
    bold.setBold(true);
    const int H = textHeight(c, bold);
    const QString symbol = Symbol();
    const QString page = QString::number(pageNo_);
    const int symX = e.left + (divider - e.left - textWidth(c, bold, symbol + QStringLiteral("XX"))) / 2;
    const int y = e.top + (e.height() - H) / 2;
    const int pageX = divider + (e.right - divider - textWidth(c, bold, page + u' ')) / 2;
    out << textItem(symX, y, symbol, bold, FontColor());
    out << textItem(pageX, y, page, bold, FontColor());

    QFont small = Font();
    small.setBold(false);
    small.setPointSize(Font().pointSize() / 2 + 1);
    const int ySmall = y + H - textHeight(c, small);
    out << textItem(symX + textWidth(c, bold, symbol + u' '), ySmall, u'(' + version_ + u')', small, FontColor());
    out << textItem(pageX + textWidth(c, bold, page + u' '), ySmall, u'/' + QString::number(pages_), small,
                    FontColor());
}

// ---- Printed texts and lines ---------------------------------------------------------------

TQRLabel::TQRLabel(QObject* parent) : TQRCustomPit(parent) { setBrush(Qt::NoBrush); }

QStringList TQRLabel::lines(const TQRCanvas& c) const
{
    if (!wordWrap_) return {caption_};
    const QFontMetrics fm = metrics(c, Font());
    const int width = edges(c).width();
    QStringList out;
    for (const QString& paragraph : caption_.split(u'\n')) {
        QString line;
        for (const QString& word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            const QString candidate = line.isEmpty() ? word : line + u' ' + word;
            if (!line.isEmpty() && fm.horizontalAdvance(candidate) > width) {
                out << line;
                line = word;
            } else {
                line = candidate;
            }
        }
        out << line;
    }
    return out;
}

void TQRLabel::build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const
{
    if (Brush().style() != Qt::NoBrush) {
        TQRItem fill;
        fill.kind = TQRItem::Fill;
        fill.rect = QRect(e.left, e.top, e.width(), e.height());
        fill.brush = Brush();
        out << fill;
    }
    const QFont f = Font();
    const QFontMetrics fm = metrics(c, f);
    int y = e.top;
    for (const QString& line : lines(c)) {
        const int w = fm.horizontalAdvance(line);
        const int x = alignment_ & Qt::AlignRight     ? e.right - w
                      : alignment_ & Qt::AlignHCenter ? e.left + (e.width() - w) / 2
                                                      : e.left;
        if (!line.isEmpty()) out << textItem(x, y, line, f, FontColor());
        y += fm.height();
    }
}

TQRMemo::TQRMemo(QObject* parent) : TQRCustomPit(parent) { setBrush(Qt::NoBrush); }

void TQRMemo::build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const
{
    const QFont f = Font();
    const int h = textHeight(c, f);
    int y = e.top;
    for (const QString& line : lines_) {
        if (!line.isEmpty()) out << textItem(e.left, y, line, f, FontColor());
        y += h;
    }
}

void TQRShape::build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const
{
    switch (shape_) {
    case qrsRectangle: out << rectItem(c, edgeRect(e)); break;
    case qrsHorLine: out << lineItem(devicePen(c), e.left, (e.top + e.bottom) / 2, e.right, (e.top + e.bottom) / 2); break;
    case qrsVertLine: out << lineItem(devicePen(c), (e.left + e.right) / 2, e.top, (e.left + e.right) / 2, e.bottom); break;
    }
}
