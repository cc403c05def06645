#pragma once
// Report components that draw the typical elements of an official form: boxes with a
// printed number and title and the value inside, digit rows (comb) for NIP, dates,
// years, months and PESEL, cross-marked squares, table cells, labels with inline bold,
// and the page footer with the form symbol, version and page number.
//
// Geometry is in millimetres (Left, Top, Width, Height); drawing happens in the device
// pixels of the painter's device (printer, PDF, image or screen), with the same integer
// arithmetic everywhere. A component first lays itself out as a list of primitives
// (`layout`), which `print` then paints; the layout is what the tests read.

#include "Amount.h"

#include <QBrush>
#include <QColor>
#include <QDate>
#include <QFont>
#include <QLine>
#include <QObject>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

class QPainter;
class QPaintDevice;

// Where a component is drawn: the device (for its resolution and font metrics) and the
// offset of the band in device pixels.
struct TQRCanvas {
    QPaintDevice* device = nullptr;
    QPoint offset;
    explicit TQRCanvas(QPaintDevice* d, QPoint off = {}) : device(d), offset(off) {}
    double dotsPerMm() const;
    int toPixels(double mm) const;
    // A pen width given in screen pixels (1/96 inch) in device pixels, at least 1.
    int penPixels(int width) const;
};

// One drawing primitive. Texts are placed by their top-left corner.
struct TQRItem {
    enum Kind { Rect, Fill, Line, Text };
    Kind kind = Rect;
    QRect rect;      // Rect, Fill
    QLine line;      // Line
    QPoint pos;      // Text: top-left
    QString text;
    QFont font;
    QPen pen;
    QBrush brush;
};
using TQRItems = QVector<TQRItem>;

// Component edges in device pixels.
struct TQREdges {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

// A character c in the cell [a, b] starts at max(0, a + (b - a - width(c)) div 2).
int CentreInCell(int a, int b, int charWidth);

// Base of every report component: position and size in millimetres, a pen, a brush
// and a font (default "Arial" 11, black), height 5 mm. Setting a property to another
// value emits changed().
class TQRCustomPit : public QObject {
    Q_OBJECT
public:
    explicit TQRCustomPit(QObject* parent = nullptr);

    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void setLeft(double mm);
    void setTop(double mm);
    void setWidth(double mm);
    void setHeight(double mm);
    void setGeometryMm(double left, double top, double width, double height);

    // Pen width is in screen pixels and is scaled to the device.
    QPen Pen() const { return pen_; }
    void setPen(const QPen& p);
    QBrush Brush() const { return brush_; }
    void setBrush(const QBrush& b);
    QFont Font() const { return font_; }
    void setFont(const QFont& f);
    QColor FontColor() const { return fontColor_; }
    void setFontColor(const QColor& c) { assign(fontColor_, c); }

    TQREdges edges(const TQRCanvas& c) const;
    // The primitives the component draws on this canvas.
    TQRItems layout(const TQRCanvas& c) const;
    // Draws onto the painter's device at the canvas offset.
    void print(QPainter& painter, QPoint offset = {}) const;

    static QFont DefaultFont(int pointSize = 11);

Q_SIGNALS:
    void changed();

protected:
    virtual void build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const = 0;
    // Helpers for the primitives.
    TQRItem rectItem(const TQRCanvas& c, const QRect& r) const;
    static TQRItem lineItem(const QPen& pen, int x1, int y1, int x2, int y2);
    static TQRItem textItem(int x, int y, const QString& text, const QFont& font, const QColor& colour);
    QPen devicePen(const TQRCanvas& c) const;
    template <class T>
    void assign(T& field, const T& value)
    {
        if (field == value) return;
        field = value;
        Q_EMIT changed();
    }

private:
    double left_ = 0, top_ = 0, width_ = 50, height_ = 5;
    QPen pen_;
    QBrush brush_;
    QFont font_;
    QColor fontColor_{Qt::black};
};

// ---- Digit rows --------------------------------------------------------------------------

// A comb of `n` cells: base line, n + 1 ticks a third of the height high, the characters
// centred in the cells with their top at the component's top (only when the component is
// at least as high as the digit "0").
class TQRComb : public TQRCustomPit {
    Q_OBJECT
public:
    using TQRCustomPit::TQRCustomPit;

protected:
    void buildComb(const TQRCanvas& c, const TQREdges& e, int n, const QString& chars, TQRItems& out) const;
};

class TQRMonth : public TQRComb {
    Q_OBJECT
public:
    explicit TQRMonth(QObject* parent = nullptr);
    int Month() const { return month_; }
    void setMonth(int m);   // values above 99 are ignored
    bool PrintZero() const { return printZero_; }
    void setPrintZero(bool on) { assign(printZero_, on); }
    QString digits() const;

protected:
    void build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const override;

private:
    int month_ = 1;
    bool printZero_ = true;
};

class TQRYear : public TQRComb {
    Q_OBJECT
public:
    explicit TQRYear(QObject* parent = nullptr);
    int Year() const { return year_; }
    void setYear(int y);    // only 0 or 1901..2099
    QString digits() const;

protected:
    void build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const override;

private:
    int year_ = 2000;
};

class TQRNIP : public TQRComb {
    Q_OBJECT
public:
    explicit TQRNIP(QObject* parent = nullptr);
    QString NIP() const { return nip_; }
    void setNIP(const QString& nip) { assign(nip_, nip); }   // with its dashes: 13 characters

protected:
    void build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const override;

private:
    QString nip_;
};

// A digit row of `Ilosc` cells (PESEL, REGON, counts).
class TQRPlotek : public TQRComb {
    Q_OBJECT
public:
    explicit TQRPlotek(QObject* parent = nullptr);
    QString Text() const { return text_; }
    void setText(const QString& t) { assign(text_, t); }
    int Ilosc() const { return ilosc_; }
    void setIlosc(int n);   // only 1..100

protected:
    void build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const override;

private:
    QString text_;
    int ilosc_ = 4;
};

// Day, month and year in cells of 2, 2 and 4 with gaps: "dd mm yyyy".
class TQRDate : public TQRCustomPit {
    Q_OBJECT
public:
    explicit TQRDate(QObject* parent = nullptr);
    QDate Date() const { return date_; }
    void setDate(const QDate& d);   // an invalid date is no date

protected:
    void build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const override;

private:
    QDate date_;
};

// ---- Boxes -------------------------------------------------------------------------------

// A frame with the box number and title (Caption, small font) in its upper left corner
// and the value (Font) at the bottom. Default 50 x 9 mm.
class TQRCustomBox : public TQRCustomPit {
    Q_OBJECT
public:
    explicit TQRCustomBox(QObject* parent = nullptr);
    QString Caption() const { return caption_; }
    void setCaption(const QString& s) { assign(caption_, s); }
    QFont CaptionFont() const { return captionFont_; }
    void setCaptionFont(const QFont& f) { assign(captionFont_, f); }
    // Characters whose width spaces the caption (upper) and the value (lower) from the edge.
    QChar ZnakOdstepuGora() const { return gora_; }
    void setZnakOdstepuGora(QChar c) { assign(gora_, c); }
    QChar ZnakOdstepuDol() const { return dol_; }
    void setZnakOdstepuDol(QChar c) { assign(dol_, c); }

protected:
    // Frame and caption.
    void buildFrame(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const;

private:
    QString caption_;
    QFont captionFont_;
    QChar gora_ = u'M';
    QChar dol_ = u'M';
};

class TQRTextBox : public TQRCustomBox {
    Q_OBJECT
public:
    using TQRCustomBox::TQRCustomBox;
    QString Text() const { return text_; }
    void setText(const QString& t) { assign(text_, t); }
    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    Qt::Alignment TextAlignment() const { return alignment_; }
    void setTextAlignment(Qt::Alignment a) { assign(alignment_, a); }

protected:
    void build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const override;

private:
    QString text_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
};

// A whole-złoty amount: "1 235", or "1 235 zł" with PrintZL.
class TQRIntBox : public TQRCustomBox {
    Q_OBJECT
public:
    using TQRCustomBox::TQRCustomBox;
    Amount Value() const { return value_; }
    void setValue(Amount v) { assign(value_, v); }
    bool PrintZL() const { return printZL_; }
    void setPrintZL(bool on) { assign(printZL_, on); }
    bool PrintZero() const { return printZero_; }
    void setPrintZero(bool on) { assign(printZero_, on); }
    QString valueText() const;

protected:
    void build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const override;

private:
    Amount value_;
    bool printZL_ = false;
    bool printZero_ = true;
};

// An amount box: "1 234,50", "1 235" with IntValue, "1 234 zł, 50 gr" with PrintZL;
// nothing for 0 without PrintZero. The value is right-aligned.
class TQRCurrBox : public TQRCustomBox {
    Q_OBJECT
public:
    using TQRCustomBox::TQRCustomBox;
    Amount Value() const { return value_; }
    void setValue(Amount v) { assign(value_, v); }
    bool IntValue() const { return intValue_; }
    void setIntValue(bool on) { assign(intValue_, on); }
    bool PrintZL() const { return printZL_; }
    void setPrintZL(bool on) { assign(printZL_, on); }
    bool PrintZero() const { return printZero_; }
    void setPrintZero(bool on) { assign(printZero_, on); }
    QString valueText() const;
    static QString ValueText(Amount v, bool intValue, bool printZL, bool printZero);

protected:
    void build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const override;

private:
    Amount value_;
    bool intValue_ = false;
    bool printZL_ = false;
    bool printZero_ = true;
};

// ---- Cells, labels, squares, footer -------------------------------------------------------

enum THAlignment { haLeft, haCenter, haRight };
enum TVAlignment { vaTop, vaCenter, vaBottom };

// A table cell: a frame and its caption placed by the two alignments.
class TQRCell : public TQRCustomPit {
    Q_OBJECT
public:
    using TQRCustomPit::TQRCustomPit;
    QString Caption() const { return caption_; }
    void setCaption(const QString& s) { assign(caption_, s); }
    THAlignment HorAlignment() const { return hor_; }
    void setHorAlignment(THAlignment a) { assign(hor_, a); }
    TVAlignment VertAlignment() const { return vert_; }
    void setVertAlignment(TVAlignment a) { assign(vert_, a); }

protected:
    void build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const override;

private:
    QString caption_;
    THAlignment hor_ = haLeft;
    TVAlignment vert_ = vaTop;
};

// A label whose caption switches styles inline: "<+b>", "<-b>", "<+u>", "<-u>", "<+i>", "<-i>".
class TQRSmartLabel : public TQRCustomPit {
    Q_OBJECT
public:
    explicit TQRSmartLabel(QObject* parent = nullptr);
    QString Caption() const { return caption_; }
    void setCaption(const QString& s) { assign(caption_, s); }
    QColor Color() const { return color_; }
    void setColor(const QColor& c) { assign(color_, c); }

protected:
    void build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const override;

private:
    QString caption_;
    QColor color_{Qt::white};
};

// A square, crossed corner to corner when checked. Default 3 x 3 mm.
class TQRCheckBox : public TQRCustomPit {
    Q_OBJECT
public:
    explicit TQRCheckBox(QObject* parent = nullptr);
    bool Checked() const { return checked_; }
    void setChecked(bool on) { assign(checked_, on); }

protected:
    void build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const override;

private:
    bool checked_ = false;
};

// The forms a footer can name. (Not `TFormularz`: that is the models' base class, and page
// reports include both.)
enum TQRFormularz {
    fmPit4, fmPit4R, fmPit5, fmPit5L, fmPit5A, fmPit5X, fmPit13, fmPit28, fmPit36, fmPit36L, fmPit37,
    fmPit38, fmPitB, fmPitD, fmPit2K, fmPitM, fmPitO, fmPit28A, fmPit28B, fmNip1, fmNip2, fmNip3, fmNip1A,
    fmNip2A, fmNipB, fmNipC, fmNipD, fmVat7, fmVatR, fmVatRUE, fmVatUE, fmVatUEA, fmVatUEB, fmIft1, fmCit2,
    fmSSER, fmVZM1, fmVZM1A, fmVZM1B, fmPitAZ, fmAZO
};
QString FormularzSymbol(TQRFormularz f);
// Pages of the form; some forms had a different count in other versions.
int FormularzPages(TQRFormularz f, const QString& version);

// The page footer: the form symbol and "(version)" on the left, "page /count" on the right.
// Default 38 x 6 mm.
class TQRPitFooter : public TQRCustomPit {
    Q_OBJECT
public:
    explicit TQRPitFooter(QObject* parent = nullptr);
    TQRFormularz Formularz() const { return form_; }
    void setFormularz(TQRFormularz f);
    int PageNo() const { return pageNo_; }
    void setPageNo(int n);   // only above 0, at most the page count
    QString Version() const { return version_; }
    void setVersion(const QString& v);
    QString Symbol() const { return FormularzSymbol(form_); }
    int PageCount() const { return pages_; }

protected:
    void build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const override;

private:
    TQRFormularz form_ = fmPit28;
    int pageNo_ = 1;
    QString version_ = QStringLiteral("9");
    int pages_ = 4;
};

// ---- Printed texts and lines of the form ---------------------------------------------------

// A printed text of the form: one line, or wrapped at word boundaries within the width,
// aligned left, centred or right (Qt::AlignLeft / AlignHCenter / AlignRight). The background
// is filled only when the brush has a style (none by default).
class TQRLabel : public TQRCustomPit {
    Q_OBJECT
public:
    explicit TQRLabel(QObject* parent = nullptr);
    QString Caption() const { return caption_; }
    void setCaption(const QString& s) { assign(caption_, s); }
    Qt::Alignment Alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment a) { assign(alignment_, a); }
    bool WordWrap() const { return wordWrap_; }
    void setWordWrap(bool on) { assign(wordWrap_, on); }
    // The lines the caption is printed in on this canvas.
    QStringList lines(const TQRCanvas& c) const;

protected:
    void build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const override;

private:
    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    bool wordWrap_ = false;
};

// Several lines of text printed one under another from the top-left corner (box texts
// kept as the user typed their lines).
class TQRMemo : public TQRCustomPit {
    Q_OBJECT
public:
    explicit TQRMemo(QObject* parent = nullptr);
    QStringList Lines() const { return lines_; }
    void setLines(const QStringList& l) { assign(lines_, l); }

protected:
    void build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const override;

private:
    QStringList lines_;
};

// A rectangle (shaded areas, frames of sections) or a horizontal or vertical line through
// the middle of the component.
enum TQRShapeKind { qrsRectangle, qrsHorLine, qrsVertLine };

class TQRShape : public TQRCustomPit {
    Q_OBJECT
public:
    using TQRCustomPit::TQRCustomPit;
    TQRShapeKind Shape() const { return shape_; }
    void setShape(TQRShapeKind k) { assign(shape_, k); }

protected:
    void build(const TQRCanvas& c, const TQREdges& e, TQRItems& out) const override;

private:
    TQRShapeKind shape_ = qrsRectangle;
};

// Paints primitives (also used by page views and tests).
void PaintItems(QPainter& painter, const TQRItems& items);
