// The complete PIT-37 printout read back from the PDF it writes: which texts land inside
// which box (pdftotext -bbox), the filling rules (spouse only under joint filing, printable
// zero against blank box, upper case), the three pages as one job, shading and data font.

#include "Config.h"
#include "FPit37.h"
#include "FPit37Prev.h"
#include "FPit37_1Prev.h"
#include "FPit37_2Prev.h"
#include "FPit37_3Prev.h"
#include "FPodglad.h"
#include "PdfText.h"
#include "TestEnv.h"

#include <QFile>
#include <QPrintPreviewWidget>
#include <QRectF>
#include <QTemporaryDir>

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

// The component's rectangle on the sheet, in millimetres (page margins included).
QRectF sheetRect(const TQRPage& page, const QString& name)
{
    const TQRCustomPit* c = page.component(name);
    if (!c) return {};
    return QRectF(c->Left() + page.MarginLeft / 10.0, c->Top() + page.MarginTop / 10.0, c->Width(), c->Height());
}

// The words whose centre lies in the lower part of the rectangle (below a box's caption),
// joined by blanks in reading order.
QString textIn(const QVector<TPdfPage>& pages, int page, const QRectF& r, double fromTop = 0.4)
{
    QStringList out;
    if (page > pages.size()) return QStringLiteral("(no page %1)").arg(page);
    const double top = r.top() + r.height() * fromTop;
    for (const TPdfWord& w : pages[page - 1].words) {
        const QPointF centre((w.x0 + w.x1) / 2, (w.y0 + w.y1) / 2);
        if (r.contains(centre) && centre.y() >= top) out << w.text;
    }
    return out.join(u' ');
}

class Pit37PrevTest : public DataFolderTest {
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        RunSettings() = TRunSettings();
        pdf = dir.filePath(QStringLiteral("pit37.pdf"));
    }

    // A taxpayer with a full identification; the spouse's is stored too.
    int addCouple(int sposob)
    {
        return addTaxpayer(U("Kowalska"), U("Anna"),
                           {{QStringLiteral("Sposob"), sposob},
                            {QStringLiteral("NIP"), QStringLiteral("526-000-12-46")},
                            {QStringLiteral("DataUr"), QDate(1970, 3, 5)},
                            {QStringLiteral("Pesel"), QStringLiteral("70030512345")},
                            {QStringLiteral("Kraj"), U("Polska")},
                            {QStringLiteral("Wojew"), U("łódzkie")},
                            {QStringLiteral("Powiat"), U("łódź")},
                            {QStringLiteral("Gmina"), U("łódź")},
                            {QStringLiteral("Ulica"), U("Piotrkowska")},
                            {QStringLiteral("Posesja"), QStringLiteral("12a")},
                            {QStringLiteral("Miasto"), U("łódź")},
                            {QStringLiteral("KodPoczt"), QStringLiteral("90-001")},
                            {QStringLiteral("Poczta"), U("łódź")},
                            {QStringLiteral("MNIP"), QStringLiteral("725-000-33-11")},
                            {QStringLiteral("MNazwisko"), U("Kowalski")},
                            {QStringLiteral("MImie"), U("Żegota")},
                            {QStringLiteral("MDataUr"), QDate(1968, 11, 30)},
                            {QStringLiteral("MMiasto"), U("Zgierz")}});
    }

    static void type(TPit37& m, int box, Amount a)
    {
        m.SetEmpty(box, false);
        m.SetField(box, a);
    }

    // Writes the printout and reads its words back.
    QVector<TPdfPage> print(const TPit37& m)
    {
        EXPECT_TRUE(SavePit37Pdf(m, pdf));
        const QVector<TPdfPage> pages = PdfPages(pdf);
        pageCount = int(pages.size());
        if (pages.isEmpty()) ADD_FAILURE() << "pdftotext gave no pages";
        return pages;
    }

    QTemporaryDir dir;
    QString pdf;
    int pageCount = 0;
    TPit37_1Prev page1;
    TPit37_2Prev page2;
    TPit37_3Prev page3;
};

}  // namespace

TEST_F(Pit37PrevTest, JointReturnPrintsBothPeopleInUpperCaseOnThreePages)
{
    TPit37 m;
    ASSERT_TRUE(m.Load(addCouple(1)));
    m.Urzad = U("Urząd Skarbowy Łódź-Bałuty");
    m.P137 = QStringList{U("Jan Nowak, NIP 111-111-11-11"), U("US Łódź-Widzew")};
    m.Pelnomocnik = U("żaneta ćwik");
    const QVector<TPdfPage> w = print(m);
    EXPECT_EQ(pageCount, 3);

    struct Case { int page; const char* name; const char* text; };
    const Case cases[] = {
        {1, "FNipPod", "526-000-12-46"},
        {1, "FNipMal", "725-000-33-11"},
        {1, "FRok", "2008"},
        {1, "FUrzad", "URZĄD SKARBOWY ŁÓDŹ-BAŁUTY"},
        {1, "F11", "KOWALSKA"},
        {1, "F12", "ANNA"},
        {1, "F13", "05031970"},
        {1, "F14", "70030512345"},
        {1, "F16", "ŁÓDZKIE"},
        {1, "F20", "12A"},
        {1, "F22", "ŁÓDŹ"},
        {1, "F23", "90-001"},    // postal code as stored
        {1, "F25", "KOWALSKI"},
        {1, "F26", "ŻEGOTA"},
        {1, "F27", "30111968"},
        {1, "F36", "ZGIERZ"},
        {3, "F137", "Jan Nowak, NIP 111-111-11-11 US Łódź-Widzew"},   // as typed
        {3, "F140", "ŻANETA ĆWIK"},
    };
    const TQRPage* pages[] = {&page1, &page2, &page3};
    for (const Case& c : cases) {
        const QString name = QString::fromUtf8(c.name);
        // Combs have no caption: every word inside counts.
        const bool comb = name.startsWith(QStringLiteral("FNip")) || name == u"FRok" || name == u"F13" ||
                          name == u"F14" || name == u"F27";
        const double fromTop = comb ? 0.0 : name == u"F137" ? 0.3 : 0.4;
        QString got = textIn(w, c.page, sheetRect(*pages[c.page - 1], name), fromTop);
        // Comb cells hold one character each; how they group into words does not matter.
        if (comb) got.remove(u' ');
        EXPECT_EQ(got, U(c.text)) << c.name;
    }

    // The footer of each page: symbol, version, page number and count.
    for (int p = 1; p <= 3; ++p) {
        QString footer = textIn(w, p, sheetRect(*pages[p - 1], QStringLiteral("Stopka")), 0.0);
        EXPECT_EQ(footer.remove(u' '), QStringLiteral("PIT-37(14)%1/3").arg(p)) << p;
    }
}

TEST_F(Pit37PrevTest, IndividualFilingPrintsNoSpouseData)
{
    const int id = addCouple(0);
    TPit37 m;
    ASSERT_TRUE(m.Load(id));
    type(m, 39, "1000.00"_zl);
    const QVector<TPdfPage> w = print(m);

    EXPECT_EQ(textIn(w, 1, sheetRect(page1, QStringLiteral("FNipMal")), 0.0), QString());
    EXPECT_EQ(textIn(w, 1, sheetRect(page1, QStringLiteral("F27")), 0.0), QString());   // no birth date
    for (int box = 25; box <= 38; ++box)
        EXPECT_EQ(textIn(w, 1, sheetRect(page1, QStringLiteral("F%1").arg(box))), QString()) << box;
    // The spouse's stored name is nowhere on the sheet.
    for (const TPdfPage& page : w)
        for (const TPdfWord& word : page.words) EXPECT_FALSE(word.text.contains(U("ŻEGOTA")));
    // The spouse's totals are not printed either; the taxpayer's are.
    EXPECT_EQ(textIn(w, 2, sheetRect(page2, QStringLiteral("F89"))), QString());
    EXPECT_EQ(textIn(w, 2, sheetRect(page2, QStringLiteral("F62"))), QStringLiteral("1 000,00"));

    // Filing method: only the first square of box 6 is crossed.
    TPit37_1Prev filled;
    filled.ReportBeforePrint(m);
    for (int sq = 1; sq <= 4; ++sq)
        EXPECT_EQ(filled.find<TQRCheckBox>(QStringLiteral("F6_%1").arg(sq))->Checked(), sq == 1) << sq;
}

TEST_F(Pit37PrevTest, PrintableZeroShowsAndBlankBoxStaysEmpty)
{
    TPit37 m;
    ASSERT_TRUE(m.Load(addTaxpayer(U("Nowak"), U("Jan"))));
    type(m, 39, "1234.56"_zl);
    type(m, 40, Amount());   // typed 0: printable
    // 43 left blank.
    type(m, 126, Amount());
    const QVector<TPdfPage> w = print(m);

    struct Case { int page; int box; const char* text; };
    const Case cases[] = {
        {2, 39, "1 234,56"},
        {2, 40, "0,00"},        // typed zero
        {2, 43, ""},            // blank
        {2, 41, "1 234,56"},
        {2, 42, ""},            // derived zero that prints only when not 0
        {2, 44, ""},
        {2, 65, "0"},           // whole-złoty box that always prints
        {2, 66, ""},            // spouse column off
        {2, 97, "1 234,56"},
        {2, 99, ""},            // no PIT/O
        {2, 106, "1 235"},      // tax base in whole złoty
        {3, 109, "0,00"},       // tax always printed (below the relief)
        {3, 122, "0"},
        {3, 126, "0,00"},
        {3, 130, ""},           // no attachments counted
    };
    for (const Case& c : cases) {
        const TQRPage& page = c.page == 2 ? static_cast<const TQRPage&>(page2) : page3;
        EXPECT_EQ(textIn(w, c.page, sheetRect(page, QStringLiteral("F%1").arg(c.box))), U(c.text)) << c.box;
    }
}

TEST_F(Pit37PrevTest, ValuesUseTheDataFontAndFormTextsKeepTheirs)
{
    TPit37 m;
    ASSERT_TRUE(m.Load(addTaxpayer(U("Nowak"), U("Jan"))));
    type(m, 39, "1234.56"_zl);
    auto heightOf = [&](int fontSize) {
        RunSettings().fontSize = fontSize;
        const QVector<TPdfPage> w = print(m);
        const QRectF r = sheetRect(page2, QStringLiteral("F39"));
        double value = 0, caption = 0;
        for (const TPdfWord& word : w[1].words) {
            if (!r.contains(QPointF((word.x0 + word.x1) / 2, (word.y0 + word.y1) / 2))) continue;
            if (word.text == u"39.") caption = word.y1 - word.y0;
            else value = std::max(value, word.y1 - word.y0);
        }
        return std::pair{value, caption};
    };
    const auto [value10, caption10] = heightOf(10);
    const auto [value14, caption14] = heightOf(14);
    EXPECT_NEAR(value14 / value10, 1.4, 0.1);
    EXPECT_NEAR(caption14, caption10, 0.05);
}

TEST_F(Pit37PrevTest, ShadingFollowsTheSetting)
{
    TPit37 m;
    ASSERT_TRUE(m.Load(addTaxpayer(U("Nowak"), U("Jan"))));
    for (bool shading : {true, false}) {
        RunSettings().shading = shading;
        TPit37_1Prev page;
        page.ReportBeforePrint(m);
        const QImage img = page.render(100);
        // Inside box 3 (for the office), below its caption: shaded; inside box 1: always white.
        const QRectF office = sheetRect(page, QStringLiteral("b3"));
        const QRectF nip = sheetRect(page, QStringLiteral("b1"));
        auto px = [&](const QRectF& r) {
            return img.pixelColor(int((r.left() + 2) / 25.4 * 100), int((r.bottom() - 1.5) / 25.4 * 100));
        };
        EXPECT_EQ(px(office), shading ? QColor(235, 235, 235) : QColor(Qt::white)) << shading;
        EXPECT_EQ(px(nip), QColor(Qt::white)) << shading;
    }
}

TEST_F(Pit37PrevTest, AttachmentCountsAndPitDSquaresOnPageThree)
{
    const int id = addTaxpayer(U("Nowak"), U("Jan"), {{QStringLiteral("PitO"), 2}, {QStringLiteral("Pit2K"), true}});
    TPit37 m;
    ASSERT_TRUE(m.Load(id));
    m.SetPit136(3, true);
    const QVector<TPdfPage> w = print(m);
    EXPECT_EQ(textIn(w, 3, sheetRect(page3, QStringLiteral("F130"))), QStringLiteral("2"));
    EXPECT_EQ(textIn(w, 3, sheetRect(page3, QStringLiteral("F131"))), QString());
    EXPECT_EQ(textIn(w, 3, sheetRect(page3, QStringLiteral("F132"))), QStringLiteral("1"));
    TPit37_3Prev filled;
    filled.ReportBeforePrint(m);
    EXPECT_TRUE(filled.find<TQRCheckBox>(QStringLiteral("F136_3"))->Checked());
    EXPECT_FALSE(filled.find<TQRCheckBox>(QStringLiteral("F136_1"))->Checked());
}

TEST(Pit37Prev, DuplexSetting)
{
    struct Case { int setting; QPrinter::DuplexMode mode; };
    const Case cases[] = {{0, QPrinter::DuplexNone}, {1, QPrinter::DuplexNone}, {2, QPrinter::DuplexLongSide},
                          {3, QPrinter::DuplexShortSide}, {7, QPrinter::DuplexNone}};
    for (const Case& c : cases) EXPECT_EQ(DuplexModeOf(c.setting), c.mode) << c.setting;
}

TEST_F(Pit37PrevTest, OneJobOnThePrinter)
{
    TPit37 m;
    ASSERT_TRUE(m.Load(addTaxpayer(U("Nowak"), U("Jan"))));
    RunSettings().duplex = 2;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    const TPrevPages pages = Pit37Pages(m);
    // (A PDF destination has no duplex; the mode itself is checked above.)
    ASSERT_TRUE(PrintComposite(printer, PageList(pages)));
    EXPECT_EQ(PdfPages(pdf).size(), 3);
}

TEST_F(Pit37PrevTest, SavedReturnToPdfAndPreview)
{
    const int id = addCouple(2);
    {
        TPit37 m;
        ASSERT_TRUE(m.Load(id));
        type(m, 66, "2500.00"_zl);
        ASSERT_TRUE(m.Save());
    }
    ASSERT_TRUE(ZapiszPit37Pdf(id, pdf));
    QVector<TPdfPage> w = PdfPages(pdf);
    EXPECT_EQ(w.size(), 3);
    EXPECT_EQ(textIn(w, 2, sheetRect(page2, QStringLiteral("F66"))), QStringLiteral("2 500,00"));
    EXPECT_EQ(textIn(w, 1, sheetRect(page1, QStringLiteral("F26"))), U("ŻEGOTA"));

    // The preview holds the three pages and saves the same printout.
    TPit37 m;
    ASSERT_TRUE(m.Load(id));
    TPodgladFrm frm(Pit37Pages(m), QStringLiteral("PIT-37"));
    frm.show();
    frm.PreviewWidget()->updatePreview();
    EXPECT_EQ(frm.PreviewWidget()->pageCount(), 3);
    const QString copy = dir.filePath(QStringLiteral("copy.pdf"));
    ASSERT_TRUE(frm.SavePdf(copy));
    w = PdfPages(copy);
    EXPECT_EQ(w.size(), 3);
    EXPECT_EQ(textIn(w, 2, sheetRect(page2, QStringLiteral("F66"))), QStringLiteral("2 500,00"));
    frm.close();

    // A taxpayer that is gone: a warning and no file.
    const QString none = dir.filePath(QStringLiteral("none.pdf"));
    EXPECT_FALSE(ZapiszPit37Pdf(id + 100, none));
    EXPECT_FALSE(QFile::exists(none));
    EXPECT_GE(messages->count(), 1);
}
