// The overprint engine: pixel arithmetic, the primitives and the page procedure,
// checked on real PDF printouts read back with pdftotext.

#include "FPrn.h"

#include "Config.h"
#include "Globals.h"
#include "PdfText.h"
#include "TestEnv.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <functional>

namespace {

constexpr int kDpi = 600;
// Text edges in the PDF come from the font's own metrics; a tenth of a millimetre
// is far below a cell (5 mm) and far above the rounding of one pixel.
constexpr double kTol = 0.12;

// Millimetres of the device pixel that a position in millimetres converts to.
double Snap(double mm) { return PxToMm(int(std::nearbyint(float(kDpi) * float(mm) / 25.4f)), kDpi); }

void SetKorekta(TDM* dm, int formKind, int box, int korX, int korY)
{
    TTable* k = dm->Korekta;
    k->ensureOpen();
    if (k->locate({QStringLiteral("Pit"), QStringLiteral("Pole")}, {FormSymbol(formKind), box})) {
        k->edit();
    } else {
        k->append();
        k->setValue(QStringLiteral("Pit"), FormSymbol(formKind));
        k->setValue(QStringLiteral("Pole"), box);
    }
    k->setValue(QStringLiteral("KorX"), korX);
    k->setValue(QStringLiteral("KorY"), korY);
    k->post();
}

void SetMargin(TDM* dm, int formKind, int page, int left, int top)
{
    TTable* m = dm->Marginesy;
    m->ensureOpen();
    m->append();
    m->setValue(QStringLiteral("SymbolPit"), FormSymbol(formKind));
    m->setValue(QStringLiteral("Strona"), page);
    m->setValue(QStringLiteral("Lewy"), left);
    m->setValue(QStringLiteral("Gorny"), top);
    m->post();
}

class OverprintTest : public DataFolderTest {
protected:
    // Prints one page of PIT-37 with the given table and items; gives the words read back.
    QVector<TPdfWord> printPage(const TWspTable& wsp, const std::function<void(TOverprintPage&)>& items,
                                int page = 1, const QString& shot = {})
    {
        const QString file = out.filePath(QStringLiteral("page.pdf"));
        {
            TOverprintOutput output(file, kDpi);
            TOverprintPage p(output, fkPit37, page, wsp);
            items(p);
        }
        if (!shot.isEmpty()) PdfShot(file, QStringLiteral("overprint/") + shot);
        return PdfWords(file);
    }

    QTemporaryDir out;
};

}  // namespace

TEST(Prn, MmToPixelsRoundsSinglePrecisionTiesToEven)
{
    struct Case {
        int dpi;
        float mm;
        int px;
    } cases[] = {
        {600, 86.0f, 2031},   // 2031.496
        {600, 0.0f, 0},
        {300, 25.4f, 300},
        {254, 0.25f, 2},      // 2.5 -> even
        {254, 0.75f, 8},      // 7.5 -> even
        {254, 0.35f, 4},      // 3.5 -> even
        {600, -1.0f, -24},    // -23.62: a correction may point left or up
        {720, 5.25f, 149},    // 148.82
    };
    for (const auto& c : cases) {
        TPrn prn(nullptr);
        prn.SetDpiX(c.dpi);
        prn.SetDpiY(c.dpi);
        EXPECT_EQ(prn.MmToX(c.mm), c.px) << c.dpi << " dpi, " << c.mm << " mm";
        EXPECT_EQ(prn.MmToY(c.mm), c.px) << c.dpi << " dpi, " << c.mm << " mm";
    }
}

TEST(Prn, CaseModeConvertsPolishLetters)
{
    TPrn prn(nullptr);
    EXPECT_EQ(prn.Converted(QStringLiteral("łódź")), QStringLiteral("łódź"));
    prn.SetUpper();
    EXPECT_EQ(prn.Converted(QStringLiteral("łódź, żółć ąęśń")), QStringLiteral("ŁÓDŹ, ŻÓŁĆ ĄĘŚŃ"));
    prn.SetAsStored();
    EXPECT_EQ(prn.Converted(QStringLiteral("Łódź")), QStringLiteral("Łódź"));
}

TEST(Prn, CopiesAndCollation)
{
    struct Case {
        QVector<int> pages;
        int copies;
        bool collate;
        QVector<int> order;
    } cases[] = {
        {{1, 3}, 3, false, {1, 1, 1, 3, 3, 3}},
        {{1, 3}, 3, true, {1, 3, 1, 3, 1, 3}},
        {{1, 2, 3}, 1, true, {1, 2, 3}},   // one copy: sorting means nothing
        {{2}, 2, true, {2, 2}},
        {{}, 3, true, {}},                 // no page chosen: nothing printed
        {{1}, 0, false, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(OverprintOrder(c.pages, c.copies, c.collate), c.order);
}

TEST(Prn, PrintingOffsetIsTheUnprintableMarginOutsideFullPageMode)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(kDpi);
    printer.setPageMargins(QMarginsF(5, 7, 5, 7), QPageLayout::Millimeter);
    printer.setFullPage(false);
    const QPoint off = PrintingOffset(printer);
    EXPECT_NEAR(PxToMm(off.x(), kDpi), 5.0, 0.1);   // margins are kept in whole points
    EXPECT_NEAR(PxToMm(off.y(), kDpi), 7.0, 0.1);
    printer.setFullPage(true);
    EXPECT_EQ(PrintingOffset(printer), QPoint(0, 0));
}

TEST_F(OverprintTest, RightAlignedAmountEndsAtItsPointFromTheSheetCorner)
{
    const TWspTable wsp({{20, 16}, {86, 50}});
    const auto words = printPage(wsp, [](TOverprintPage& p) {
        p.Amount(2, "44490.00"_zl);
        p.Text(1, QStringLiteral("Kowalski"));
    }, 1, QStringLiteral("prn_amount"));
    const auto amount = PdfFind(words, QStringLiteral("490,00"));
    ASSERT_EQ(amount.size(), 1);
    EXPECT_NEAR(amount[0].x1, PxToMm(2031, kDpi), kTol);   // right edge at 2031 px
    const auto name = PdfFind(words, QStringLiteral("Kowalski"));
    ASSERT_EQ(name.size(), 1);
    EXPECT_NEAR(name[0].x0, Snap(20), kTol);
    EXPECT_NEAR(name[0].y0, Snap(16), 0.3);   // top of the text cell
}

TEST_F(OverprintTest, PrintingOffsetIsSubtractedOnAPrinterWithMargins)
{
    // A printer whose painter starts at its printable area: the page origin is moved
    // back by that offset, so the value lands at the same spot of the sheet.
    const QString file = out.filePath(QStringLiteral("margins.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setResolution(kDpi);
    printer.setPageMargins(QMarginsF(6, 9, 6, 9), QPageLayout::Millimeter);
    const TWspTable wsp({{86, 50}});
    {
        TOverprintOutput output(&printer);
        TOverprintPage p(output, fkPit37, 2, wsp);
        EXPECT_EQ(p.origin(), -PrintingOffset(printer));
        p.Right(1, QStringLiteral("12,50"));
    }
    const auto w = PdfFind(PdfWords(file), QStringLiteral("12,50"));
    ASSERT_EQ(w.size(), 1);
    EXPECT_NEAR(w[0].x1, PxToMm(2031, kDpi), kTol);
}

TEST_F(OverprintTest, CorrectionMovesOnlyItsBoxAndMarginOnlyItsPage)
{
    SetKorekta(dm.get(), fkPit37, 40, 2, -1);
    SetKorekta(dm.get(), fkPit36, 41, 7, 7);   // another form's row changes nothing here
    SetMargin(dm.get(), fkPit37, 3, 4, 5);     // another page's margin changes nothing here
    QVector<TWsp> e(41);
    e[39] = {86, 50};
    e[40] = {114, 50};
    const TWspTable wsp(e);
    auto words = printPage(wsp, [](TOverprintPage& p) {
        p.Right(40, QStringLiteral("40,00"));
        p.Right(41, QStringLiteral("41,00"));
    }, 2);
    auto b40 = PdfFind(words, QStringLiteral("40,00"));
    auto b41 = PdfFind(words, QStringLiteral("41,00"));
    ASSERT_EQ(b40.size(), 1);
    ASSERT_EQ(b41.size(), 1);
    EXPECT_NEAR(b40[0].x1, Snap(88), kTol);
    EXPECT_NEAR(b41[0].x1, Snap(114), kTol);
    EXPECT_NEAR(b40[0].y0 - b41[0].y0, -1.0, 0.1);

    // On page 3 the page margin moves every box, on top of the correction of box 40.
    words = printPage(wsp, [](TOverprintPage& p) {
        p.Right(40, QStringLiteral("40,00"));
        p.Right(41, QStringLiteral("41,00"));
    }, 3);
    b40 = PdfFind(words, QStringLiteral("40,00"));
    b41 = PdfFind(words, QStringLiteral("41,00"));
    ASSERT_EQ(b40.size(), 1);
    ASSERT_EQ(b41.size(), 1);
    EXPECT_NEAR(b40[0].x1, Snap(88) + Snap(4), kTol);
    EXPECT_NEAR(b41[0].x1, Snap(114) + Snap(4), kTol);
    EXPECT_NEAR(b40[0].y0 - b41[0].y0, -1.0, 0.1);
}

TEST_F(OverprintTest, ZeroEntryIsNeverPrinted)
{
    const TWspTable wsp({{0, 0}, {50, 50}});
    const auto words = printPage(wsp, [](TOverprintPage& p) {
        p.Text(1, QStringLiteral("ukryty"));
        p.Cross(1);
        p.Text(2, QStringLiteral("widoczny"));
        p.Text(7, QStringLiteral("poza"));   // beyond the table
        p.Cross(2, false);
    });
    ASSERT_EQ(words.size(), 1);
    EXPECT_EQ(words[0].text, QStringLiteral("widoczny"));
}

namespace {

struct CellCase {
    const char* name;
    std::function<void(TPrn&, int, int)> print;
    QString chars;                 // expected characters, in order
    std::vector<double> offsets;   // their cell offsets, mm
    bool rightAligned;
};

}  // namespace

TEST_F(OverprintTest, CellPrimitivesPutEachCharacterInItsCell)
{
    const CellCase cases[] = {
        {"NIP with dashes", [](TPrn& p, int x, int y) { p.PrintNip(x, y, QStringLiteral("123-456-78-90")); },
         QStringLiteral("1234567890"), {0, 5, 11, 18, 23, 29, 36, 41, 48, 53}, true},
        {"NIP with spaces", [](TPrn& p, int x, int y) { p.PrintNip(x, y, QStringLiteral(" 526 000 12 46")); },
         QStringLiteral("5260001246"), {0, 5, 11, 18, 23, 29, 36, 41, 48, 53}, true},
        {"date of birth", [](TPrn& p, int x, int y) { p.PrintDate(x, y, QDate(1970, 3, 5)); },
         QStringLiteral("05031970"), {0, 5, 12, 18, 25, 30, 35, 41}, false},
        {"year", [](TPrn& p, int x, int y) { p.PrintYear(x, y, 2008); }, QStringLiteral("2008"),
         {0, 5.25, 10.5, 15.75}, false},
        {"two digits", [](TPrn& p, int x, int y) { p.PrintTwoDigits(x, y, 7); }, QStringLiteral("07"), {0, 5},
         false},
        {"PESEL cut to 11", [](TPrn& p, int x, int y) { p.PrintPesel(x, y, QStringLiteral("7003050123499")); },
         QStringLiteral("70030501234"), {0, 5, 11, 16, 21, 26, 32, 37, 42, 48, 53}, false},
        {"14 cells", [](TPrn& p, int x, int y) { p.PrintCells14(x, y, QStringLiteral("123456789012345")); },
         QStringLiteral("12345678901234"), {0, 5, 11, 16, 21, 26, 32, 37, 42, 48, 53, 58, 63, 69}, false},
        {"13 cells, short, right-aligned, upper case",
         [](TPrn& p, int x, int y) { p.SetUpper(); p.PrintCells13(x, y, QStringLiteral("ab1")); },
         QStringLiteral("AB1"), {0, 5, 10}, true},
        {"5 cells", [](TPrn& p, int x, int y) { p.PrintCells5(x, y, QStringLiteral("123456")); },
         QStringLiteral("12345"), {0, 5, 14, 19, 28}, false},
        {"pitch 13/69", [](TPrn& p, int x, int y) { p.PrintPitch13(x, y, QStringLiteral("12345678901234")); },
         QStringLiteral("1234567890123"),
         {0, 69.0 / 13, 2 * 69.0 / 13, 3 * 69.0 / 13, 4 * 69.0 / 13, 5 * 69.0 / 13, 6 * 69.0 / 13, 7 * 69.0 / 13,
          8 * 69.0 / 13, 9 * 69.0 / 13, 10 * 69.0 / 13, 11 * 69.0 / 13, 12 * 69.0 / 13},
         false},
        {"pitch 11/58, all characters, upper case",
         [](TPrn& p, int x, int y) { p.SetUpper(); p.PrintPitch11(x, y, QStringLiteral("ąbcdefghijkl")); },
         QStringLiteral("ĄBCDEFGHIJKL"),
         {0, 58.0 / 11, 2 * 58.0 / 11, 3 * 58.0 / 11, 4 * 58.0 / 11, 5 * 58.0 / 11, 6 * 58.0 / 11, 7 * 58.0 / 11,
          8 * 58.0 / 11, 9 * 58.0 / 11, 10 * 58.0 / 11, 11 * 58.0 / 11},
         false},
    };
    const TWspTable wsp({{30, 40}});
    for (const auto& c : cases) {
        const auto words = printPage(wsp, [&](TOverprintPage& p) {
            const QPoint at = p.At(1);
            c.print(p.prn(), at.x(), at.y());
        });
        ASSERT_EQ(words.size(), c.chars.size()) << c.name;
        for (int k = 0; k < c.chars.size(); ++k) {
            EXPECT_EQ(words[k].text, c.chars.mid(k, 1)) << c.name << " cell " << k;
            const double edge = c.rightAligned ? words[k].x1 : words[k].x0;
            // The glyph's side bearing lies inside the advance box the PDF reports.
            EXPECT_NEAR(edge, Snap(30) + Snap(c.offsets[k]), kTol) << c.name << " cell " << k;
            EXPECT_NEAR(words[k].y0, words[0].y0, 0.01) << c.name << " cell " << k;
        }
    }
}

TEST_F(OverprintTest, ItemsThatPrintNothing)
{
    struct Case {
        const char* name;
        std::function<void(TPrn&, int, int)> print;
    } cases[] = {
        {"NIP of 9 digits", [](TPrn& p, int x, int y) { p.PrintNip(x, y, QStringLiteral("123-456-78-9")); }},
        {"NIP of 11 digits", [](TPrn& p, int x, int y) { p.PrintNip(x, y, QStringLiteral("12345678901")); }},
        {"no date", [](TPrn& p, int x, int y) { p.PrintDate(x, y, QDate()); }},
        {"year of 3 digits", [](TPrn& p, int x, int y) { p.PrintYear(x, y, 208); }},
        {"year of 5 digits", [](TPrn& p, int x, int y) { p.PrintYear(x, y, 20080); }},
        {"negative year", [](TPrn& p, int x, int y) { p.PrintYear(x, y, -200); }},
        {"two digits above 99", [](TPrn& p, int x, int y) { p.PrintTwoDigits(x, y, 100); }},
        {"two digits below 0", [](TPrn& p, int x, int y) { p.PrintTwoDigits(x, y, -1); }},
    };
    const TWspTable wsp({{30, 40}});
    for (const auto& c : cases) {
        const auto words = printPage(wsp, [&](TOverprintPage& p) {
            const QPoint at = p.At(1);
            c.print(p.prn(), at.x(), at.y());
            p.Text(1, QStringLiteral("znacznik"));   // the page itself goes on
        });
        ASSERT_EQ(words.size(), 1) << c.name;
        EXPECT_EQ(words[0].text, QStringLiteral("znacznik")) << c.name;
    }
}

TEST_F(OverprintTest, UpperCaseModeAndLinesAsTyped)
{
    const TWspTable wsp({{20, 184}, {20, 223}});
    const auto words = printPage(wsp, [](TOverprintPage& p) {
        p.prn().SetUpper();
        p.Text(1, QStringLiteral("łódź"));
        p.prn().SetAsStored();
        p.Lines(2, {QStringLiteral("pierwsza"), QStringLiteral("Druga"), QStringLiteral("trzecia")});
    }, 1, QStringLiteral("prn_case"));
    EXPECT_EQ(PdfFind(words, QStringLiteral("ŁÓDŹ")).size(), 1);
    const auto l1 = PdfFind(words, QStringLiteral("pierwsza"));
    const auto l2 = PdfFind(words, QStringLiteral("Druga"));
    const auto l3 = PdfFind(words, QStringLiteral("trzecia"));
    ASSERT_EQ(l1.size(), 1);
    ASSERT_EQ(l2.size(), 1);
    ASSERT_EQ(l3.size(), 1);
    // One under the other, a line of the 10-point font apart, all starting at the box.
    const double step = l2[0].y0 - l1[0].y0;
    EXPECT_GT(step, 3.3);
    EXPECT_LT(step, 4.5);
    EXPECT_NEAR(l3[0].y0 - l2[0].y0, step, 0.05);
    EXPECT_NEAR(l1[0].x0, Snap(20), kTol);
    EXPECT_NEAR(l3[0].x0, Snap(20), kTol);
}

TEST_F(OverprintTest, FontFromTheSettings)
{
    const TWspTable wsp({{20, 20}});
    RunSettings().fontSize = 10;
    auto w10 = PdfFind(printPage(wsp, [](TOverprintPage& p) { p.Text(1, QStringLiteral("MMMM")); }),
                       QStringLiteral("MMMM"));
    RunSettings().fontSize = 15;
    auto w15 = PdfFind(printPage(wsp, [](TOverprintPage& p) { p.Text(1, QStringLiteral("MMMM")); }),
                       QStringLiteral("MMMM"));
    RunSettings() = TRunSettings{};
    ASSERT_EQ(w10.size(), 1);
    ASSERT_EQ(w15.size(), 1);
    EXPECT_NEAR((w15[0].x1 - w15[0].x0) / (w10[0].x1 - w10[0].x0), 1.5, 0.02);
}

TEST_F(OverprintTest, OneJobPerPrintedPageTitledWithFormAndPage)
{
    const TWspTable wsp({{30, 40}});
    for (bool collate : {false, true}) {
        const QString file = out.filePath(collate ? QStringLiteral("sorted.pdf") : QStringLiteral("unsorted.pdf"));
        TOverprintOutput output(file, kDpi);
        PrintOverprint(output, {1, 3}, 3, collate, [&](TOverprintOutput& o, int page) {
            TOverprintPage p(o, fkPit37, page, wsp);
            p.Text(1, QStringLiteral("strona%1").arg(page));
        });
        ASSERT_EQ(output.files().size(), 6);
        QStringList titles;
        for (const QString& f : output.files()) {
            titles << PdfTitle(f);
            ASSERT_EQ(PdfPages(f).size(), 1) << f.toStdString();
        }
        const QString s1 = QStringLiteral("PIT-37 - Strona 1"), s3 = QStringLiteral("PIT-37 - Strona 3");
        EXPECT_EQ(titles, collate ? QStringList({s1, s3, s1, s3, s1, s3}) : QStringList({s1, s1, s1, s3, s3, s3}));
    }
}

TEST_F(OverprintTest, FailureWhileDrawingEndsTheJobAndPropagates)
{
    const TWspTable wsp({{30, 40}});
    const QString file = out.filePath(QStringLiteral("broken.pdf"));
    TOverprintOutput output(file, kDpi);
    EXPECT_THROW(
        {
            TOverprintPage p(output, fkPit37, 1, wsp);
            p.Text(1, QStringLiteral("przed"));
            throw std::runtime_error("drawing failed");
        },
        std::runtime_error);
    EXPECT_NE(output.printer()->printerState(), QPrinter::Active);
    // The printer can take the next job.
    {
        TOverprintPage p(output, fkPit37, 2, wsp);
        p.Text(1, QStringLiteral("dalej"));
    }
    EXPECT_EQ(PdfFind(PdfWords(output.files().last()), QStringLiteral("dalej")).size(), 1);
}

TEST_F(OverprintTest, JobThatCannotStartIsReported)
{
    const TWspTable wsp({{30, 40}});
    TOverprintOutput output(QStringLiteral("/nonexistent-folder/x/y.pdf"), kDpi);
    EXPECT_THROW(TOverprintPage(output, fkPit37, 1, wsp), TPrintError);
}
