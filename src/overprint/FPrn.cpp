#include "FPrn.h"

#include "Config.h"
#include "FDM.h"
#include "Globals.h"
#include "PolishText.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <array>
#include <cmath>

TPrintError::TPrintError(const QString& message) : std::runtime_error(message.toStdString()) {}

namespace {

// Cell offsets of the boxes made of single-character cells, in millimetres.
constexpr std::array<float, 10> kNipCells{0, 5, 11, 18, 23, 29, 36, 41, 48, 53};
constexpr std::array<float, 8> kDateCells{0, 5, 12, 18, 25, 30, 35, 41};
constexpr std::array<float, 4> kYearCells{0, 5.25f, 10.5f, 15.75f};
constexpr std::array<float, 2> kTwoDigitCells{0, 5};
constexpr std::array<float, 11> kPeselCells{0, 5, 11, 16, 21, 26, 32, 37, 42, 48, 53};
constexpr std::array<float, 14> kCells14{0, 5, 11, 16, 21, 26, 32, 37, 42, 48, 53, 58, 63, 69};
constexpr std::array<float, 13> kCells13{0, 5, 10, 16, 21, 26, 32, 37, 42, 48, 53, 58, 63};
constexpr std::array<float, 5> kCells5{0, 5, 14, 19, 28};

int mmToPixels(int dpi, float mm)
{
    // Single precision on purpose: positions must match the calibrated sheets exactly.
    const float px = float(dpi) * mm / 25.4f;
    return int(std::nearbyint(px));   // default rounding mode: ties to even
}

}  // namespace

// ---- TPrn -----------------------------------------------------------------------------------

TPrn::TPrn(QPainter* painter) : p_(painter) {}

int TPrn::MmToX(float mm) const { return mmToPixels(dpiX_, mm); }
int TPrn::MmToY(float mm) const { return mmToPixels(dpiY_, mm); }

QString TPrn::Converted(const QString& text) const
{
    switch (case_) {
    case Upper: return PolishUpper(text);
    case Lower: return text.toLower();
    default: return text;
    }
}

void TPrn::draw(int x, int y, const QString& s)
{
    if (s.isEmpty()) return;
    p_->drawText(QPoint(x, y + p_->fontMetrics().ascent()), s);
}

int TPrn::width(const QString& s) const { return p_->fontMetrics().horizontalAdvance(s); }

void TPrn::cells(int x, int y, const QString& text, std::span<const float> offsetsMm)
{
    const qsizetype n = std::min<qsizetype>(text.size(), qsizetype(offsetsMm.size()));
    for (qsizetype k = 0; k < n; ++k) draw(x + MmToX(offsetsMm[k]), y, text.mid(k, 1));
}

void TPrn::PrintText(int x, int y, const QString& text) { draw(x, y, Converted(text)); }

void TPrn::PrintRight(int x, int y, const QString& text)
{
    const QString s = Converted(text);
    draw(x - width(s), y, s);
}

void TPrn::PrintCross(int x, int y) { draw(x, y, QStringLiteral("X")); }

void TPrn::PrintLines(int x, int y, const QStringList& lines)
{
    const int h = p_->fontMetrics().height();   // the text height of "A": the font's line cell
    for (int i = 0; i < lines.size(); ++i) draw(x, y + i * h, Converted(lines[i]));
}

void TPrn::PrintNip(int x, int y, const QString& text)
{
    QString digits;
    for (QChar c : text)
        if (c >= u'0' && c <= u'9') digits += c;
    if (digits.size() != 10) return;
    for (int k = 0; k < 10; ++k) PrintRight(x + MmToX(kNipCells[k]), y, digits.mid(k, 1));
}

void TPrn::PrintDate(int x, int y, const QDate& date)
{
    if (!date.isValid()) return;
    cells(x, y, date.toString(QStringLiteral("ddMMyyyy")), kDateCells);
}

void TPrn::PrintYear(int x, int y, int year)
{
    const QString s = QString::number(year);
    if (s.size() != 4 || year < 0) return;   // "-200" has four characters but is no year
    cells(x, y, s, kYearCells);
}

void TPrn::PrintTwoDigits(int x, int y, int value)
{
    if (value < 0 || value > 99) return;
    cells(x, y, QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')), kTwoDigitCells);
}

void TPrn::PrintPesel(int x, int y, const QString& text) { cells(x, y, text, kPeselCells); }
void TPrn::PrintCells14(int x, int y, const QString& text) { cells(x, y, text, kCells14); }
void TPrn::PrintCells5(int x, int y, const QString& text) { cells(x, y, text, kCells5); }

void TPrn::PrintCells13(int x, int y, const QString& text)
{
    for (int k = 0; k < 13 && k < text.size(); ++k) PrintRight(x + MmToX(kCells13[k]), y, text.mid(k, 1));
}

void TPrn::PrintPitch13(int x, int y, const QString& text)
{
    for (int k = 0; k < 13 && k < text.size(); ++k) draw(x + MmToX(float(k) * 69.0f / 13.0f), y, text.mid(k, 1));
}

void TPrn::PrintPitch11(int x, int y, const QString& text)
{
    const QString s = Converted(text);
    for (int k = 0; k < s.size(); ++k) draw(x + MmToX(float(k) * 58.0f / 11.0f), y, s.mid(k, 1));
}

// ---- Output ---------------------------------------------------------------------------------

QPoint PrintingOffset(const QPrinter& printer)
{
    // In full-page mode the paint rectangle is the whole sheet, so the offset is 0;
    // otherwise the painter's origin is the corner of the printable area.
    return printer.pageLayout().paintRectPixels(printer.resolution()).topLeft();
}

TOverprintOutput::TOverprintOutput(QPrinter* printer) : printer_(printer)
{
    // A printer set to print into a PDF file (e.g. from the printer dialog): numbered
    // files, so that the jobs after the first do not overwrite it.
    if (printer->outputFormat() == QPrinter::PdfFormat) pdfFile_ = printer->outputFileName();
}

TOverprintOutput::TOverprintOutput(const QString& pdfFile, int dpi)
    : own_(std::make_unique<QPrinter>(QPrinter::HighResolution)), pdfFile_(pdfFile)
{
    printer_ = own_.get();
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setResolution(dpi);
    printer_->setPageSize(QPageSize(QPageSize::A4));
}

TOverprintOutput::~TOverprintOutput() = default;

QPrinter* TOverprintOutput::nextJob(const QString& title)
{
    ++jobs_;
    if (isPdf()) {
        QString file = pdfFile_;
        if (jobs_ > 1) {
            const QFileInfo fi(pdfFile_);
            file = fi.path() + u'/' + fi.completeBaseName() + u'-' + QString::number(jobs_) + QStringLiteral(".pdf");
        }
        printer_->setOutputFileName(file);
        files_ << file;
    }
    printer_->setDocName(title);
    printer_->setCreator(QStringLiteral("Zorvik 2008"));
    printer_->setPageOrientation(QPageLayout::Portrait);
    printer_->setFullPage(true);
    return printer_;
}

// ---- One page -------------------------------------------------------------------------------

int OverprintPageCount(int formKind)
{
    switch (formKind) {
    case fkPit36: return 6;
    case fkPit36L: case fkPit37: case fkPitO: return 3;
    case fkPit38: case fkPitB: case fkPitD: case fkPitZ: case fkNip3: return 2;
    case fkNip1: case fkSseR: return 4;
    default: return 1;
    }
}

QString OverprintJobTitle(int formKind, int page)
{
    return FormSymbol(formKind) + QStringLiteral(" - Strona ") + QString::number(page);
}

TOverprintPage::TOverprintPage(TOverprintOutput& output, int formKind, int page, const TWspTable& wsp)
    : formKind_(formKind), page_(page), wsp_(wsp)
{
    QPrinter* printer = output.nextJob(OverprintJobTitle(formKind, page));
    const QPoint off = PrintingOffset(*printer);

    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer)) {
        QString where = output.isPdf() ? printer->outputFileName() : printer->printerName();
        if (where.isEmpty()) where = QStringLiteral("brak drukarki");
        throw TPrintError(QStringLiteral("Nie można rozpocząć wydruku: %1").arg(where));
    }
    prn_ = std::make_unique<TPrn>(painter_.get());
    prn_->SetDpiX(printer->logicalDpiX());
    prn_->SetDpiY(printer->logicalDpiY());

    QFont font(RunSettings().fontName);
    font.setPointSize(RunSettings().fontSize);
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    painter_->setFont(font);
    painter_->setPen(Qt::black);

    origin_ = QPoint(prn_->MmToX(float(DM()->LeftMargin(formKind, page))) - off.x(),
                     prn_->MmToY(float(DM()->TopMargin(formKind, page))) - off.y());
}

TOverprintPage::~TOverprintPage()
{
    if (painter_ && painter_->isActive()) painter_->end();
}

QPoint TOverprintPage::At(int box, TWsp mm) const
{
    // The correction is added in millimetres before conversion; the margin was converted on its own.
    const float kx = float(DM()->CorrectionX(formKind_, box));
    const float ky = float(DM()->CorrectionY(formKind_, box));
    return QPoint(prn_->MmToX(kx + mm.X) + origin_.x(), prn_->MmToY(ky + mm.Y) + origin_.y());
}

QPoint TOverprintPage::At(int box) const { return At(box, wsp_.at(box)); }

bool TOverprintPage::point(int box, QPoint& p) const
{
    if (!wsp_.isPrinted(box)) return false;
    p = At(box);
    return true;
}

void TOverprintPage::Text(int box, const QString& text)
{
    QPoint p;
    if (!text.isEmpty() && point(box, p)) prn_->PrintText(p.x(), p.y(), text);
}

void TOverprintPage::Right(int box, const QString& text)
{
    QPoint p;
    if (!text.isEmpty() && point(box, p)) prn_->PrintRight(p.x(), p.y(), text);
}

void TOverprintPage::Amount(int box, ::Amount value, bool wholeZloty)
{
    Right(box, wholeZloty ? FormatWholeAmount(value) : FormatAmount(value));
}

void TOverprintPage::Cross(int box, bool set)
{
    QPoint p;
    if (set && point(box, p)) prn_->PrintCross(p.x(), p.y());
}

void TOverprintPage::Lines(int box, const QStringList& lines)
{
    QPoint p;
    if (!lines.isEmpty() && point(box, p)) prn_->PrintLines(p.x(), p.y(), lines);
}

#define ZV_CELL_ITEM(Name, Arg, Prim)                              \
    void TOverprintPage::Name(int box, Arg v)                      \
    {                                                              \
        QPoint p;                                                  \
        if (point(box, p)) prn_->Prim(p.x(), p.y(), v);            \
    }

ZV_CELL_ITEM(Nip, const QString&, PrintNip)
ZV_CELL_ITEM(Date, const QDate&, PrintDate)
ZV_CELL_ITEM(Year, int, PrintYear)
ZV_CELL_ITEM(TwoDigits, int, PrintTwoDigits)
ZV_CELL_ITEM(Pesel, const QString&, PrintPesel)
ZV_CELL_ITEM(Cells14, const QString&, PrintCells14)
ZV_CELL_ITEM(Cells13, const QString&, PrintCells13)
ZV_CELL_ITEM(Cells5, const QString&, PrintCells5)
ZV_CELL_ITEM(Pitch13, const QString&, PrintPitch13)
ZV_CELL_ITEM(Pitch11, const QString&, PrintPitch11)

#undef ZV_CELL_ITEM

// ---- Several pages and copies ---------------------------------------------------------------

QVector<int> OverprintOrder(const QVector<int>& pages, int copies, bool collate)
{
    QVector<int> order;
    if (copies < 1) return order;
    if (copies == 1 || !collate) {
        for (int p : pages)
            for (int c = 0; c < copies; ++c) order << p;
    } else {
        for (int c = 0; c < copies; ++c) order << pages;
    }
    return order;
}

void PrintOverprint(TOverprintOutput& output, const QVector<int>& pages, int copies, bool collate,
                    const TOverprintPageProc& printPage)
{
    for (int page : OverprintOrder(pages, copies, collate)) printPage(output, page);
}
