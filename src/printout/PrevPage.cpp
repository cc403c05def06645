#include "PrevPage.h"

#include "Config.h"
#include "NumWeryf.h"
#include "PolishText.h"

#include <QFontMetrics>

namespace {

QFontMetrics metricsOn(const TQRCanvas& c, const QFont& f) { return QFontMetrics(f, c.device); }

QFont fontOf(double size, bool bold)
{
    QFont f = TQRCustomPit::DefaultFont(11);
    f.setPointSizeF(size);
    f.setBold(bold);
    return f;
}

}  // namespace

// ---- Label -----------------------------------------------------------------------------------

TQRTextCell::TQRTextCell(QObject* parent) : TQRCustomPit(parent) {}

QStringList TQRTextCell::WrapText(const QString& text, const QFontMetrics& fm, int width)
{
    QStringList lines;
    // An explicit line break always starts a new line.
    for (const QString& para : text.split(u'\n')) {
        QString line;
        for (const QString& word : para.split(u' ', Qt::SkipEmptyParts)) {
            const QString candidate = line.isEmpty() ? word : line + u' ' + word;
            if (line.isEmpty() || fm.horizontalAdvance(candidate) <= width) {
                line = candidate;
            } else {
                lines << line;
                line = word;
            }
        }
        lines << line;
    }
    return lines;
}

void TQRTextCell::build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const
{
    const QRect r(e.left, e.top, e.width() - 1, e.height() - 1);
    if (color_.isValid()) {
        TQRItem fill;
        fill.kind = TQRItem::Fill;
        fill.rect = r;
        fill.brush = QBrush(color_);
        out << fill;
    }
    if (framed_) {
        TQRItem frame = rectItem(c, r);
        frame.brush = Qt::NoBrush;
        out << frame;
    }
    if (text_.isEmpty()) return;

    const QFont f = Font();
    const QFontMetrics fm = metricsOn(c, f);
    // Text keeps a small distance from the frame.
    const int pad = c.toPixels(framed_ || color_.isValid() ? 0.8 : 0.0);
    const QStringList lines = WrapText(text_, fm, e.width() - 2 * pad);
    const int lineH = fm.height();
    const int total = lineH * int(lines.size());
    int y = e.top + pad / 2;
    if (align_ & Qt::AlignVCenter) y = e.top + (e.height() - total) / 2;
    else if (align_ & Qt::AlignBottom) y = e.bottom - total - pad / 2;
    for (const QString& line : lines) {
        const int w = fm.horizontalAdvance(line);
        int x = e.left + pad;
        if (align_ & Qt::AlignHCenter) x = e.left + (e.width() - w) / 2;
        else if (align_ & Qt::AlignRight) x = e.right - pad - w;
        if (!line.isEmpty()) out << textItem(x, y, line, f, FontColor());
        y += lineH;
    }
}

// ---- Memo box --------------------------------------------------------------------------------

void TQRMemoBox::build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const
{
    buildFrame(c, e, out);
    const QFontMetrics cm = metricsOn(c, CaptionFont());
    const QFont f = Font();
    const QFontMetrics fm = metricsOn(c, f);
    const int x = e.left + cm.horizontalAdvance(ZnakOdstepuDol());
    int y = e.top + cm.height() + cm.height() / 3;
    for (const QString& line : lines_) {
        // Lines that do not fit into the box are left out rather than drawn over its frame.
        if (y + fm.height() > e.bottom) break;
        if (!line.isEmpty()) out << textItem(x, y, line, f, FontColor());
        y += fm.height();
    }
}

// ---- Page ------------------------------------------------------------------------------------

TPrevPage::TPrevPage(QObject* parent) : TQRPage(parent) {}

TPrevPage::TPrevPage(const TPrevItems& items, const TPrevMargins& margins, QObject* parent) : TQRPage(parent)
{
    MarginLeft = margins.left;
    MarginTop = margins.top;
    MarginRight = margins.right;
    MarginBottom = margins.bottom;
    Build(items);
}

void TPrevPage::Build(std::span<const TPrevItem> items)
{
    for (const TPrevItem& it : items) {
        const QString& name = it.name;
        const QString& text = it.text;
        const bool shade = it.opts & pfShade;
        TQRCustomPit* made = nullptr;

        auto label = [&](double defSize, bool bold, bool framed) {
            auto* l = add<TQRTextCell>(name, it.x, it.y, it.w, it.h);
            l->setFont(fontOf(it.size > 0 ? it.size : defSize, bold || (it.opts & pfBold)));
            l->setText(text);
            l->setFramed(framed || (it.opts & pfFramed));
            Qt::Alignment a = it.opts & pfCentre ? Qt::AlignHCenter : it.opts & pfRight ? Qt::AlignRight : Qt::AlignLeft;
            a |= it.opts & pfMiddle ? Qt::AlignVCenter : Qt::AlignTop;
            l->setAlignment(a);
            return l;
        };
        auto box = [&](TQRCustomBox* b) {
            b->setCaption(text);
            b->setCaptionFont(fontOf(it.size > 0 ? it.size : 6, false));
            return b;
        };

        switch (it.kind) {
        case TPrev::Text: made = label(6.5, false, false); break;
        case TPrev::Heading: made = label(7.5, true, true); break;
        case TPrev::Frame: made = label(6.5, false, true); break;
        case TPrev::Smart: {
            auto* s = add<TQRSmartLabel>(name, it.x, it.y, it.w, it.h);
            s->setFont(fontOf(it.size > 0 ? it.size : 7, false));
            s->setCaption(text);
            made = s;
            break;
        }
        case TPrev::TextBox: {
            auto* b = add<TQRTextBox>(name, it.x, it.y, it.w, it.h);
            b->setTextAlignment(it.opts & pfCentre ? Qt::AlignHCenter : it.opts & pfRight ? Qt::AlignRight : Qt::AlignLeft);
            made = box(b);
            break;
        }
        case TPrev::Amount: made = box(add<TQRCurrBox>(name, it.x, it.y, it.w, it.h)); break;
        case TPrev::Memo: made = box(add<TQRMemoBox>(name, it.x, it.y, it.w, it.h)); break;
        case TPrev::Nip: {
            auto* n = add<TQRNIP>(name, it.x, it.y, it.w, it.h);
            n->setNIP(QString());
            made = n;
            break;
        }
        case TPrev::Date: made = add<TQRDate>(name, it.x, it.y, it.w, it.h); break;
        case TPrev::Year: {
            auto* y = add<TQRYear>(name, it.x, it.y, it.w, it.h);
            y->setYear(0);
            made = y;
            break;
        }
        case TPrev::Digits: {
            auto* p = add<TQRPlotek>(name, it.x, it.y, it.w, it.h);
            p->setIlosc(it.n);
            made = p;
            break;
        }
        case TPrev::Check: made = add<TQRCheckBox>(name, it.x, it.y, it.w, it.h); break;
        case TPrev::Footer: {
            auto* f = add<TQRPitFooter>(name, it.x, it.y, it.w, it.h);
            f->setFont(fontOf(it.size > 0 ? it.size : 10, false));
            f->setFormularz(it.form);
            f->setVersion(text);
            f->setPageNo(it.n);
            made = f;
            break;
        }
        }
        if (shade) shaded_ << made;
    }
}

QColor TPrevPage::ShadeColour(bool shading) { return shading ? QColor(235, 235, 235) : QColor(Qt::white); }

void TPrevPage::ApplySettings(const TRunSettings& settings)
{
    const QColor shade = ShadeColour(settings.shading);
    for (TQRCustomPit* c : shaded_) {
        if (auto* l = qobject_cast<TQRTextCell*>(c)) l->setColor(shade);
        else if (auto* s = qobject_cast<TQRSmartLabel*>(c)) s->setColor(shade);
        else c->setBrush(QBrush(shade));
    }
    setDataFont(settings.fontName, settings.fontSize > 0 ? settings.fontSize : 10);
}

void TPrevPage::SetText(const QString& name, const QString& text)
{
    TQRCustomPit* c = component(name);
    if (auto* b = qobject_cast<TQRTextBox*>(c)) b->setText(text);
    else if (auto* n = qobject_cast<TQRNIP*>(c)) n->setNIP(text);
    else if (auto* p = qobject_cast<TQRPlotek*>(c)) p->setText(text);
    else if (auto* l = qobject_cast<TQRTextCell*>(c)) l->setText(text);
    else if (auto* m = qobject_cast<TQRMemoBox*>(c)) m->setLines(text.isEmpty() ? QStringList() : text.split(u'\n'));
}

void TPrevPage::SetChecked(const QString& name, bool on)
{
    if (auto* c = find<TQRCheckBox>(name)) c->setChecked(on);
}

void TPrevPage::SetDate(const QString& name, const QDate& date)
{
    if (auto* d = find<TQRDate>(name)) d->setDate(date);
}

void TPrevPage::SetAmount(const QString& name, Amount value, bool printZero, bool intValue)
{
    if (auto* b = find<TQRCurrBox>(name)) {
        b->setIntValue(intValue);
        b->setPrintZero(printZero);
        b->setValue(value);
    }
}

QString PrintUpper(const QString& s) { return PolishUpper(s); }

QString NipForComb(const QString& nip)
{
    const QString t = nip.trimmed();
    if (t.size() == 10 && DigitsOnly(t) == t)
        return t.left(3) + u'-' + t.mid(3, 3) + u'-' + t.mid(6, 2) + u'-' + t.mid(8, 2);
    return t;
}

// ---- Amount rows -----------------------------------------------------------------------------

namespace PrevRows {

void TwoColumnHead(TPrevItems& t, double y, double h)
{
    t.push_back(PFrame(6, y, 100, h, pfShade));
    t.push_back(PText(106, y, 45, h, "Podatnik\nzł, gr", 6, pfFramed | pfShade | pfCentre | pfMiddle | pfBold));
    t.push_back(PText(151, y, 45, h, "Małżonek\nzł, gr", 6, pfFramed | pfShade | pfCentre | pfMiddle | pfBold));
}

void TwoColumns(TPrevItems& t, double y, double h, const char* text, int boxP, int boxM)
{
    t.push_back(PText(6, y, 100, h, text, 6.5, pfFramed | pfMiddle));
    t.push_back(PAmount(boxP, 106, y, 45, h));
    t.push_back(PAmount(boxM, 151, y, 45, h));
}

void OneColumn(TPrevItems& t, double y, double h, const char* text, int box)
{
    t.push_back(PText(6, y, 145, h, text, 6.5, pfFramed | pfMiddle));
    t.push_back(PAmount(box, 151, y, 45, h));
}

}  // namespace PrevRows
