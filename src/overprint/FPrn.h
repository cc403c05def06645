#pragma once
// Overprint engine: only the values are printed, at measured positions, onto a
// pre-printed official form put into the printer.
//
// Positions are millimetres from the top-left corner of the paper sheet. They are
// converted to device pixels with the printer's own resolution; the page margin of
// table Margin and the box correction of table Korekta calibrate them. Each printed
// page is a print job of its own.

#include "Amount.h"

#include <QDate>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>
#include <span>
#include <stdexcept>

class QPainter;
class QPrinter;

// A print job could not be started (no printer, file not writable ...).
class TPrintError : public std::runtime_error {
public:
    explicit TPrintError(const QString& message);
    QString message() const { return QString::fromUtf8(what()); }
};

// The text primitives of one printed page. Coordinates are device pixels, x to the
// right, y down; the point is the top-left corner of the text unless said otherwise.
class TPrn {
public:
    enum CaseMode { AsStored = 0, Upper = 1, Lower = 2 };

    explicit TPrn(QPainter* painter);

    void SetDpiX(int dpi) { dpiX_ = dpi; }
    void SetDpiY(int dpi) { dpiY_ = dpi; }
    int DpiX() const { return dpiX_; }
    int DpiY() const { return dpiY_; }
    // round(resolution * mm / 25.4) in single precision, ties to even.
    int MmToX(float mm) const;
    int MmToY(float mm) const;

    void SetUpper() { case_ = Upper; }
    void SetAsStored() { case_ = AsStored; }
    void SetCaseMode(int mode) { case_ = mode; }
    int caseMode() const { return case_; }
    QString Converted(const QString& text) const;   // the text in the current case mode

    void PrintText(int x, int y, const QString& text);
    // Ends at x.
    void PrintRight(int x, int y, const QString& text);
    void PrintCross(int x, int y);
    // Line i at y + i * the height of "A".
    void PrintLines(int x, int y, const QStringList& lines);
    // Ten digits (anything else dropped) right-aligned on their cells; nothing unless exactly ten.
    void PrintNip(int x, int y, const QString& text);
    // "ddmmyyyy" in eight cells; nothing for a null date.
    void PrintDate(int x, int y, const QDate& date);
    // Only a four-digit number.
    void PrintYear(int x, int y, int year);
    // Only 0..99, with a leading zero.
    void PrintTwoDigits(int x, int y, int value);
    void PrintPesel(int x, int y, const QString& text);
    void PrintCells14(int x, int y, const QString& text);
    void PrintCells13(int x, int y, const QString& text);
    void PrintCells5(int x, int y, const QString& text);
    void PrintPitch13(int x, int y, const QString& text);
    void PrintPitch11(int x, int y, const QString& text);

    QPainter* painter() const { return p_; }

private:
    void draw(int x, int y, const QString& s);     // as given, top-left at (x, y)
    int width(const QString& s) const;
    // Characters of `text`, as many as there are cells, left-aligned at x + offsets.
    void cells(int x, int y, const QString& text, std::span<const float> offsetsMm);

    QPainter* p_;
    int dpiX_ = 0;
    int dpiY_ = 0;
    int case_ = AsStored;
};

// Printer's unprintable offset in device pixels: where the painter's origin lies from
// the physical corner of the sheet (none in full-page mode).
QPoint PrintingOffset(const QPrinter& printer);

// Where overprint jobs go: a printer, or PDF files written through the same code.
// For PDF (also a printer set to print into a PDF file), job 1 goes to the given file and
// job n > 1 to "<name>-<n>.pdf" next to it.
class TOverprintOutput {
public:
    explicit TOverprintOutput(QPrinter* printer);
    explicit TOverprintOutput(const QString& pdfFile, int dpi = 600);
    ~TOverprintOutput();
    TOverprintOutput(const TOverprintOutput&) = delete;
    TOverprintOutput& operator=(const TOverprintOutput&) = delete;

    // Prepares the printer for the next job and gives it.
    QPrinter* nextJob(const QString& title);
    QPrinter* printer() const { return printer_; }
    bool isPdf() const { return !pdfFile_.isEmpty(); }
    int jobCount() const { return jobs_; }
    // PDF output: the files written, in job order.
    const QStringList& files() const { return files_; }

private:
    std::unique_ptr<QPrinter> own_;
    QPrinter* printer_ = nullptr;
    QString pdfFile_;
    int jobs_ = 0;
    QStringList files_;
};

// One coordinate-table entry: millimetres from the sheet's top-left corner.
// (0, 0) marks a box that is never printed.
struct TWsp {
    float X = 0;
    float Y = 0;
};

// Coordinate table of a form: entry n (1-based) is box or pseudo-box n.
class TWspTable {
public:
    TWspTable() = default;
    explicit TWspTable(QVector<TWsp> entries) : e_(std::move(entries)) {}
    int count() const { return int(e_.size()); }
    // Entry n; (0, 0) outside 1..count.
    TWsp at(int n) const { return n >= 1 && n <= count() ? e_[n - 1] : TWsp{}; }
    bool isPrinted(int n) const { const TWsp w = at(n); return w.X != 0 || w.Y != 0; }

private:
    QVector<TWsp> e_;
};

// One printed page of a form: its own print job titled "<form> - Strona <page>", the
// page origin from the page margins, every box shifted by its correction. The job is
// ended when the object goes, also when drawing fails.
class TOverprintPage {
public:
    TOverprintPage(TOverprintOutput& output, int formKind, int page, const TWspTable& wsp);
    ~TOverprintPage();
    TOverprintPage(const TOverprintPage&) = delete;
    TOverprintPage& operator=(const TOverprintPage&) = delete;

    TPrn& prn() { return *prn_; }
    int formKind() const { return formKind_; }
    int page() const { return page_; }
    QPoint origin() const { return origin_; }
    // Device point of box n with its correction, or of an explicit position.
    QPoint At(int box) const;
    QPoint At(int box, TWsp mm) const;

    // Items by box number; a box whose entry is (0, 0) prints nothing.
    void Text(int box, const QString& text);
    void Right(int box, const QString& text);
    // An amount ending at the box's point, "1 234,56" or whole "1 235".
    void Amount(int box, ::Amount value, bool wholeZloty = false);
    void Cross(int box, bool set = true);
    void Lines(int box, const QStringList& lines);
    void Nip(int box, const QString& text);
    void Date(int box, const QDate& date);
    void Year(int box, int year);
    void TwoDigits(int box, int value);
    void Pesel(int box, const QString& text);
    void Cells14(int box, const QString& text);
    void Cells13(int box, const QString& text);
    void Cells5(int box, const QString& text);
    void Pitch13(int box, const QString& text);
    void Pitch11(int box, const QString& text);

private:
    bool point(int box, QPoint& p) const;

    int formKind_;
    int page_;
    const TWspTable& wsp_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<TPrn> prn_;
    QPoint origin_;
};

// Printed pages of a form kind (PIT-36: 6 ... Przelew: 1); 1 for a kind without a layout.
int OverprintPageCount(int formKind);

// "PIT-37 - Strona 1"
QString OverprintJobTitle(int formKind, int page);

// Order in which pages are printed for `copies` copies: uncollated (or one copy) each
// page `copies` times before the next; collated the whole set `copies` times.
QVector<int> OverprintOrder(const QVector<int>& pages, int copies, bool collate);

// Prints the pages in that order, one job per printed page.
using TOverprintPageProc = std::function<void(TOverprintOutput& output, int page)>;
void PrintOverprint(TOverprintOutput& output, const QVector<int>& pages, int copies, bool collate,
                    const TOverprintPageProc& printPage);
