// The PIT-37 overprint pages: what lands where, read back from the PDF.

#include "FDruk.h"
#include "FPit37Druk.h"
#include "FPit37Wsp.h"
#include "FPrn.h"

#include "FPit37.h"
#include "Globals.h"
#include "PdfText.h"
#include "TestEnv.h"

#include <QCheckBox>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kDpi = 600;
constexpr double kTol = 0.12;

double Snap(double mm) { return PxToMm(int(std::nearbyint(float(kDpi) * float(mm) / 25.4f)), kDpi); }

const QVariantMap kTaxpayer{
    {QStringLiteral("NIP"), QStringLiteral("123-456-32-18")},
    {QStringLiteral("DataUr"), QDate(1970, 3, 5)},
    {QStringLiteral("Pesel"), QStringLiteral("70030512345")},
    {QStringLiteral("Kraj"), QStringLiteral("Polska")},
    {QStringLiteral("Wojew"), QStringLiteral("łódzkie")},
    {QStringLiteral("Powiat"), QStringLiteral("łódź")},
    {QStringLiteral("Gmina"), QStringLiteral("łódź")},
    {QStringLiteral("Ulica"), QStringLiteral("Piotrkowska")},
    {QStringLiteral("Posesja"), QStringLiteral("12")},
    {QStringLiteral("Lokal"), QStringLiteral("3")},
    {QStringLiteral("Miasto"), QStringLiteral("łódź")},
    {QStringLiteral("KodPoczt"), QStringLiteral("90-001")},
    {QStringLiteral("Poczta"), QStringLiteral("łódź")},
    {QStringLiteral("MNIP"), QStringLiteral("526-000-12-46")},
    {QStringLiteral("MNazwisko"), QStringLiteral("żółkiewska")},
    {QStringLiteral("MImie"), QStringLiteral("anna")},
    {QStringLiteral("MDataUr"), QDate(1972, 11, 30)},
    {QStringLiteral("MMiasto"), QStringLiteral("zgierz")},
};

class Pit37DrukTest : public DataFolderTest {
protected:
    // A taxpayer with the filing method, loaded into a PIT-37 model.
    int load(int sposob)
    {
        QVariantMap cols = kTaxpayer;
        cols.insert(QStringLiteral("Sposob"), sposob);
        const int id = addTaxpayer(QStringLiteral("kowalski"), QStringLiteral("jan"), cols);
        EXPECT_TRUE(pit.Load(id));
        return id;
    }

    void type(int box, Amount value)
    {
        pit.SetEmpty(box, false);
        pit.SetField(box, value);
    }

    // Prints the pages and gives the words of each printed page, in order.
    QVector<QVector<TPdfWord>> print(const QVector<int>& pages)
    {
        TOverprintOutput output(out.filePath(QStringLiteral("pit37.pdf")), kDpi);
        PrintOverprint(output, pages, 1, false,
                       [&](TOverprintOutput& o, int page) { PrintPit37Page(o, pit, page); });
        QVector<QVector<TPdfWord>> r;
        for (const QString& f : output.files()) r << PdfWords(f);
        files = output.files();
        return r;
    }

    static QString text(const QVector<TPdfWord>& words)
    {
        QStringList t;
        for (const auto& w : words) t << w.text;
        return t.join(u' ');
    }

    // Words whose left edge (or right edge) lies at the entry's x and whose top lies at its y.
    static QVector<TPdfWord> near(const QVector<TPdfWord>& words, TWsp at, bool rightEdge = false)
    {
        QVector<TPdfWord> r;
        for (const auto& w : words)
            if (std::abs((rightEdge ? w.x1 : w.x0) - Snap(at.X)) < kTol && std::abs(w.y0 - Snap(at.Y)) < 0.4) r << w;
        return r;
    }

    // The value ending at the entry's point: the words of its line up to 25 mm to the left,
    // the last of them ending there; "" when none ends there.
    static QString valueAt(const QVector<TPdfWord>& words, TWsp at)
    {
        QVector<TPdfWord> line;
        for (const auto& w : words)
            if (std::abs(w.y0 - Snap(at.Y)) < 0.4 && w.x1 < Snap(at.X) + kTol && w.x1 > Snap(at.X) - 25) line << w;
        std::sort(line.begin(), line.end(), [](const auto& a, const auto& b) { return a.x0 < b.x0; });
        if (line.isEmpty() || std::abs(line.last().x1 - Snap(at.X)) > kTol) return QString();
        return text(line);
    }

    TPit37 pit;
    QTemporaryDir out;
    QStringList files;
};

}  // namespace

TEST(Pit37Wsp, TableHasEveryEntryAndTheNeverPrintedOnes)
{
    const TWspTable& w = Pit37Wsp();
    EXPECT_EQ(w.count(), 151);
    for (int n = 1; n <= 151; ++n) {
        const bool never = n == 3 || n == 4 || n == 6 || n == 10 || n == 135 || n == 136 || n == 138 || n == 139;
        EXPECT_EQ(w.isPrinted(n), !never) << n;
    }
    // The spouse's address lies 50.5 mm below the taxpayer's.
    for (int n = 11; n <= 24; ++n) {
        EXPECT_FLOAT_EQ(w.at(n + 14).X, w.at(n).X) << n;
        EXPECT_FLOAT_EQ(w.at(n + 14).Y, w.at(n).Y + 50.5f) << n;
    }
    struct Case {
        int box;
        float x, y;
    } spots[] = {{1, 20, 16},     {27, 61, 242.75f}, {39, 86, 50},   {45, 142, 58.5f}, {65, 198, 92.5f},
                 {91, 142, 160.5f}, {100, 198, 203},  {108, 198, 278.5f}, {109, 199, 16.5f}, {115, 199, 50},
                 {123, 199, 126}, {129, 184.5f, 183}, {144, 158.5f, 111}, {151, 184, 214.5f}};
    for (const auto& c : spots) {
        EXPECT_FLOAT_EQ(w.at(c.box).X, c.x) << c.box;
        EXPECT_FLOAT_EQ(w.at(c.box).Y, c.y) << c.box;
    }
}

TEST_F(Pit37DrukTest, JointReturnFirstPage)
{
    load(1);
    pit.SetUrzad(QStringLiteral("Urząd Skarbowy Łódź-Bałuty"));
    const auto pages = print({1});
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(PdfTitle(files[0]), QStringLiteral("PIT-37 - Strona 1"));
    PdfShot(files[0], QStringLiteral("overprint/pit37_joint_1"));
    const auto& w = pages[0];

    // NIPs: ten digits each, right-aligned on their cells.
    const float nipCells[10] = {0, 5, 11, 18, 23, 29, 36, 41, 48, 53};
    const QString nip = QStringLiteral("1234563218"), nipM = QStringLiteral("5260001246");
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(near(w, {20 + nipCells[k], 16}, true).value(0).text, nip.mid(k, 1)) << k;
        EXPECT_EQ(near(w, {95 + nipCells[k], 16}, true).value(0).text, nipM.mid(k, 1)) << k;
    }
    // The year, the joint square of box 6, the birth date in its eight cells.
    EXPECT_EQ(near(w, {113, 41}).value(0).text, QStringLiteral("2"));
    EXPECT_EQ(near(w, {51.5f, 111}).value(0).text, QStringLiteral("X"));
    EXPECT_TRUE(near(w, {20.5f, 111}).isEmpty());
    const float dateCells[8] = {0, 5, 12, 18, 25, 30, 35, 41};
    const QString date = QStringLiteral("05031970");
    for (int k = 0; k < 8; ++k) EXPECT_EQ(near(w, {61 + dateCells[k], 192.25f}).value(0).text, date.mid(k, 1)) << k;
    // Texts in upper case, Polish letters included.
    EXPECT_EQ(text(near(w, {20, 184})), QStringLiteral("KOWALSKI"));
    EXPECT_EQ(text(near(w, {111, 184})), QStringLiteral("JAN"));
    EXPECT_EQ(text(near(w, {20, 218})), QStringLiteral("ŁÓDŹ"));
    EXPECT_EQ(text(near(w, {20, 150})), QStringLiteral("URZĄD"));
    EXPECT_EQ(PdfFind(w, QStringLiteral("ŁÓDŹ-BAŁUTY")).value(0).y0, near(w, {20, 150}).value(0).y0);
    // The spouse 50.5 mm lower.
    EXPECT_EQ(text(near(w, {20, 234.5f})), QStringLiteral("ŻÓŁKIEWSKA"));
    EXPECT_EQ(text(near(w, {20, 268.5f})), QStringLiteral("ZGIERZ"));
    EXPECT_EQ(near(w, {61, 242.75f}).value(0).text, QStringLiteral("3"));   // 30.11.1972
    // Filing, not a correction.
    EXPECT_EQ(near(w, {75, 158}).value(0).text, QStringLiteral("X"));
    EXPECT_TRUE(near(w, {115, 158}).isEmpty());
}

TEST_F(Pit37DrukTest, IndividualReturnPrintsNoSpouseData)
{
    load(0);
    const auto w = print({1}).value(0);
    PdfShot(files[0], QStringLiteral("overprint/pit37_indyw_1"));
    EXPECT_EQ(near(w, {20.5f, 111}).value(0).text, QStringLiteral("X"));   // first square of box 6
    EXPECT_TRUE(near(w, {51.5f, 111}).isEmpty());
    for (const auto& word : w) {
        EXPECT_LT(word.y0, Snap(230)) << word.text.toStdString();   // nothing of boxes 25..38
        EXPECT_FALSE(word.x0 > 90 && word.y0 < 25) << word.text.toStdString();   // no spouse NIP
    }
    EXPECT_EQ(text(near(w, {20, 184})), QStringLiteral("KOWALSKI"));
}

TEST_F(Pit37DrukTest, NipPushedAboveTheSheetIsLeftOut)
{
    load(1);
    TTable* k = dm->Korekta;
    ASSERT_TRUE(k->locate({QStringLiteral("Pit"), QStringLiteral("Pole")}, {QStringLiteral("PIT-37"), 1}));
    k->edit();
    k->setValue(QStringLiteral("KorY"), -17);
    k->post();
    const auto w = print({1}).value(0);
    for (const auto& word : w) EXPECT_FALSE(word.x0 < 80 && word.y0 < 20) << word.text.toStdString();
    EXPECT_EQ(near(w, {95, 16}, true).size(), 1);   // the spouse's NIP stays
}

TEST_F(Pit37DrukTest, AmountsOfPageTwo)
{
    load(1);
    type(39, "44490.00"_zl);
    type(40, "1335.00"_zl);
    type(43, "5123.40"_zl);
    type(44, Amount());          // an entered 0: printed
    type(66, "1200.50"_zl);
    auto w = print({2}).value(0);
    PdfShot(files[0], QStringLiteral("overprint/pit37_joint_2"));

    EXPECT_EQ(valueAt(w, {86, 50}), QStringLiteral("44 490,00"));
    EXPECT_NEAR(near(w, {86, 50}, true).value(0).x1, PxToMm(2031, kDpi), kTol);   // ends at pixel 2031
    EXPECT_EQ(valueAt(w, {114, 50}), QStringLiteral("1 335,00"));
    EXPECT_EQ(valueAt(w, {142, 50}), QStringLiteral("43 155,00"));   // 41 = 39 - 40
    EXPECT_EQ(valueAt(w, {198, 50}), QStringLiteral("5 123"));       // whole złoty
    EXPECT_EQ(valueAt(w, {86, 58.5f}), QStringLiteral("0,00"));      // an entered 0
    EXPECT_EQ(valueAt(w, {86, 67}), QString());                       // box 47 blank
    EXPECT_EQ(valueAt(w, {86, 118}), QStringLiteral("1 200,50"));    // spouse, joint filing

    // A correction of box 40 moves that box alone.
    TTable* k = dm->Korekta;
    ASSERT_TRUE(k->locate({QStringLiteral("Pit"), QStringLiteral("Pole")}, {QStringLiteral("PIT-37"), 40}));
    k->edit();
    k->setValue(QStringLiteral("KorX"), 2);
    k->setValue(QStringLiteral("KorY"), -1);
    k->post();
    w = print({2}).value(0);
    EXPECT_EQ(valueAt(w, {114, 50}), QString());
    EXPECT_EQ(valueAt(w, {116, 49}), QStringLiteral("1 335,00"));
    EXPECT_EQ(valueAt(w, {86, 50}), QStringLiteral("44 490,00"));
    EXPECT_EQ(valueAt(w, {142, 50}), QStringLiteral("43 155,00"));
}

TEST_F(Pit37DrukTest, PageThreeTextsSquaresAndLinesAsTyped)
{
    load(1);
    pit.NazwaOPP = QStringLiteral("fundacja ćma");
    pit.NumerOPP = QStringLiteral("0000012345");
    pit.P127 = QStringLiteral("tel. 42 123");
    pit.P129 = true;
    pit.SetPit135(2, true);
    pit.SetPit136(3, true);
    pit.P137 = {QStringLiteral("nip 526-000-12-46"), QStringLiteral("anna żółkiewska"), QStringLiteral("us zgierz")};
    pit.Pelnomocnik = QStringLiteral("adam nowak");
    const auto w = print({3}).value(0);
    PdfShot(files[0], QStringLiteral("overprint/pit37_joint_3"));

    EXPECT_EQ(text(near(w, {20, 143.5f})), QStringLiteral("FUNDACJA"));
    EXPECT_EQ(text(near(w, {20, 152})), QStringLiteral("0000012345"));
    EXPECT_EQ(text(near(w, {184.5f, 183})), QStringLiteral("X"));
    EXPECT_EQ(text(near(w, {126.5f, 214.5f})), QStringLiteral("X"));
    EXPECT_TRUE(near(w, {104, 214.5f}).isEmpty());
    EXPECT_EQ(text(near(w, {184, 214.5f})), QStringLiteral("X"));
    EXPECT_TRUE(near(w, {147.5f, 214.5f}).isEmpty());
    EXPECT_EQ(text(near(w, {122, 250})), QStringLiteral("ADAM"));
    // Box 137: three lines one under the other, as typed.
    const auto l1 = PdfFind(w, QStringLiteral("żółkiewska"));
    ASSERT_EQ(l1.size(), 1);
    EXPECT_EQ(text(near(w, {20, 223})), QStringLiteral("nip"));
    const auto l3 = PdfFind(w, QStringLiteral("zgierz"));
    ASSERT_EQ(l3.size(), 1);
    EXPECT_NEAR(l3[0].y0 - l1[0].y0, l1[0].y0 - Snap(223), 0.1);
    EXPECT_NEAR(PdfFind(w, QStringLiteral("us"))[0].x0, Snap(20), kTol);
}

TEST_F(Pit37DrukTest, OverprintCommandPrintsTheChosenPagesAndCopies)
{
    const int id = load(0);
    TDrukFrm dialog;
    const QString file = out.filePath(QStringLiteral("nadruk.pdf"));
    dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
    dialog.printer()->setOutputFileName(file);
    auto answer = [&](bool print) {
        QTimer::singleShot(0, [&dialog, print] {
            dialog.pageBox(1)->setChecked(true);
            dialog.pageBox(2)->setChecked(false);
            dialog.pageBox(3)->setChecked(true);
            dialog.copiesEdit()->setValue(3);
            dialog.sortBox()->setChecked(true);
            dialog.findChild<QPushButton*>(print ? QStringLiteral("Drukuj") : QStringLiteral("Anuluj"))->click();
        });
    };

    answer(false);
    EXPECT_FALSE(NadrukPit37(dialog, pit, id));
    EXPECT_FALSE(QFile::exists(file));

    answer(true);
    ASSERT_TRUE(NadrukPit37(dialog, pit, id));
    const QString s1 = QStringLiteral("PIT-37 - Strona 1"), s3 = QStringLiteral("PIT-37 - Strona 3");
    QStringList titles;
    for (int n = 1; n <= 7; ++n) {
        const QString f = n == 1 ? file : out.filePath(QStringLiteral("nadruk-%1.pdf").arg(n));
        if (QFile::exists(f)) titles << PdfTitle(f);
    }
    EXPECT_EQ(titles, QStringList({s1, s3, s1, s3, s1, s3}));
    EXPECT_EQ(text(PdfWords(file)).left(8), QStringLiteral("1 2 3 4 "));   // the NIP cells lead page 1
    EXPECT_TRUE(messages->texts().isEmpty());

    // A job that cannot start is reported, not passed over.
    dialog.printer()->setOutputFileName(QStringLiteral("/nonexistent-folder/x.pdf"));
    answer(true);
    EXPECT_FALSE(NadrukPit37(dialog, pit, id));
    ASSERT_EQ(messages->count(), 1);
    EXPECT_TRUE(messages->texts().value(0).startsWith(QStringLiteral("Nie można rozpocząć wydruku")));
}
