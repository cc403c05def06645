#pragma once
// A page of the complete printout described as data: a table of elements (printed texts,
// section headings, frames, boxes with their number and title, digit rows, squares, the
// footer) with positions in millimetres. TPrevPage turns the table into report components
// named after their boxes ("F39", "FNipPod", "F6_1" ...), so the page's filling code finds
// them by name; the same table can describe the form for a window.
//
// Shaded elements (headings, the title, the boxes for the office) take the shading colour
// of the print settings; data elements take the data font of the print settings.

#include "QRPage.h"

#include <QStringList>

#include <span>
#include <vector>

struct TRunSettings;

// A cell of printed text: wrapped within the rectangle with a small inner margin, placed
// vertically too, optionally framed and filled (table heads, row descriptions, headings).
class TQRTextCell : public TQRCustomPit {
    Q_OBJECT
public:
    explicit TQRTextCell(QObject* parent = nullptr);
    QString Text() const { return text_; }
    void setText(const QString& t) { assign(text_, t); }
    // Horizontal (left, right, centre) and vertical (top, centre, bottom) placement.
    Qt::Alignment Alignment() const { return align_; }
    void setAlignment(Qt::Alignment a) { assign(align_, a); }
    bool Framed() const { return framed_; }
    void setFramed(bool on) { assign(framed_, on); }
    // Background; an invalid colour leaves the page as it is.
    QColor Color() const { return color_; }
    void setColor(const QColor& c) { assign(color_, c); }
    // The lines the text is broken into for the given width in pixels.
    static QStringList WrapText(const QString& text, const QFontMetrics& fm, int width);

protected:
    void build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const override;

private:
    QString text_;
    Qt::Alignment align_ = Qt::AlignLeft | Qt::AlignTop;
    bool framed_ = false;
    QColor color_;
};

// A box whose value is several lines of text, written from the top under the caption.
class TQRMemoBox : public TQRCustomBox {
    Q_OBJECT
public:
    using TQRCustomBox::TQRCustomBox;
    QStringList Lines() const { return lines_; }
    void setLines(const QStringList& l) { assign(lines_, l); }

protected:
    void build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const override;

private:
    QStringList lines_;
};

// Kinds of page elements.
enum class TPrev : quint8 {
    Text,      // printed text (TQRTextCell)
    Heading,   // section heading: framed, shaded, bold (TQRTextCell)
    Smart,     // heading with inline bold parts (TQRSmartLabel)
    Frame,     // an empty frame, shaded with pfShade (TQRTextCell)
    TextBox,   // box with number and title, text value (TQRTextBox)
    Amount,    // box with number and title, amount value (TQRCurrBox)
    Memo,      // box with lines of text (TQRMemoBox)
    Nip,       // NIP comb (TQRNIP)
    Date,      // date cells (TQRDate)
    Year,      // year cells (TQRYear)
    Digits,    // digit row of `n` cells (TQRPlotek)
    Check,     // square (TQRCheckBox)
    Footer,    // form symbol, version, page (TQRPitFooter); text = version, n = page, form
};

// Element options.
enum TPrevOpt : quint8 {
    pfNone = 0,
    pfBold = 1,
    pfCentre = 2,
    pfRight = 4,
    pfMiddle = 8,    // vertically centred
    pfShade = 16,    // takes the shading colour
    pfFramed = 32,
};

struct TPrevItem {
    TPrev kind;
    double x, y, w, h;      // millimetres from the page origin (inside the page margins)
    QString name;           // component name ("F39"); empty for printed texts
    QString text;           // printed text or box caption
    double size = 0;        // font size in points; 0 = the kind's default
    quint8 opts = pfNone;
    int n = 0;              // Digits: cell count; Footer: page number
    TQRFormularz form = fmPit37;   // Footer: the form named
};
using TPrevItems = std::vector<TPrevItem>;

// Shorthands for page tables.
inline TPrevItem PText(double x, double y, double w, double h, const char* text, double size = 0, quint8 opts = pfNone)
{
    return {TPrev::Text, x, y, w, h, {}, QString::fromUtf8(text), size, opts};
}
inline TPrevItem PHead(double x, double y, double w, double h, const char* text, double size = 0, quint8 opts = pfNone)
{
    return {TPrev::Heading, x, y, w, h, {}, QString::fromUtf8(text), size, quint8(opts | pfShade | pfMiddle)};
}
inline TPrevItem PFrame(double x, double y, double w, double h, quint8 opts = pfNone)
{
    return {TPrev::Frame, x, y, w, h, {}, {}, 0, opts};
}
inline TPrevItem PBox(TPrev kind, const QString& name, double x, double y, double w, double h, const QString& caption,
                      quint8 opts = pfNone, double size = 0)
{
    return {kind, x, y, w, h, name, caption, size, opts};
}
// An amount box named after its number, captioned with it.
inline TPrevItem PAmount(int box, double x, double y, double w, double h)
{
    return {TPrev::Amount, x, y, w, h, QStringLiteral("F%1").arg(box), QStringLiteral("%1.").arg(box)};
}
inline TPrevItem PCheck(const QString& name, double x, double y, double side = 3.5)
{
    return {TPrev::Check, x, y, side, side, name, {}};
}

// Page margins in tenths of a millimetre.
struct TPrevMargins {
    int left, top, right, bottom;
};

class TPrevPage : public TQRPage {
    Q_OBJECT
public:
    explicit TPrevPage(QObject* parent = nullptr);
    // A page built from its table, with its margins.
    TPrevPage(const TPrevItems& items, const TPrevMargins& margins, QObject* parent = nullptr);

    // Creates the components of the table, in order (later ones are drawn on top).
    void Build(std::span<const TPrevItem> items);
    // Shading colour and data font of the print settings.
    void ApplySettings(const TRunSettings& settings);
    static QColor ShadeColour(bool shading);

    // Setters for the filling code; unknown names are ignored.
    void SetText(const QString& name, const QString& text);
    void SetChecked(const QString& name, bool on);
    void SetDate(const QString& name, const QDate& date);
    void SetAmount(const QString& name, Amount value, bool printZero, bool intValue);

    QList<TQRCustomPit*> ShadedComponents() const { return shaded_; }

private:
    QList<TQRCustomPit*> shaded_;
};

// Upper case for printed identification texts.
QString PrintUpper(const QString& s);
// A NIP as the comb prints it: with its dashes; ten bare digits get the usual 3-3-2-2 dashes.
QString NipForComb(const QString& nip);

// Rows of the amount sections, on a form 190 mm wide from x = 6: a description cell and one
// or two amount boxes at the right (taxpayer 106..151, spouse 151..196).
namespace PrevRows {
// Shaded column heads "Podatnik" and "Małżonek" over the two amount columns.
void TwoColumnHead(TPrevItems& t, double y, double h);
void TwoColumns(TPrevItems& t, double y, double h, const char* text, int boxP, int boxM);
void OneColumn(TPrevItems& t, double y, double h, const char* text, int box);
}  // namespace PrevRows
