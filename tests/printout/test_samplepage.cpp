// A page holding every kind of component: each one leaves ink inside its own area.
// With ZORVIK_SHOTS set to a folder, the page is also written there as PNG and PDF.

#include "QRPage.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

namespace {

Amount A(const char* s) { return *Amount::parse(QString::fromUtf8(s)); }
QString U(const char* s) { return QString::fromUtf8(s); }

void buildSample(TQRPage& page)
{
    page.MarginLeft = 40;
    page.MarginTop = 100;
    auto* title = page.add<TQRSmartLabel>(QStringLiteral("Tytul"), 10, 0, 180, 7);
    title->setCaption(U("<+b>Wybór sposobu opodatkowania <-b>(zaznaczyć właściwe kwadraty):"));
    title->setColor(QColor(235, 235, 235));
    page.add<TQRNIP>(QStringLiteral("FNipPod"), 10, 12, 65, 6)->setNIP(QStringLiteral("123-456-32-18"));
    page.add<TQRYear>(QStringLiteral("FRok"), 90, 12, 22, 6)->setYear(2008);
    page.add<TQRMonth>(QStringLiteral("FMiesiac"), 120, 12, 11, 6)->setMonth(3);
    page.add<TQRDate>(QStringLiteral("FDataUr"), 140, 12, 48, 6)->setDate(QDate(1970, 5, 17));
    page.add<TQRPlotek>(QStringLiteral("FPesel"), 10, 22, 66, 6)->setIlosc(11);
    page.find<TQRPlotek>(QStringLiteral("FPesel"))->setText(QStringLiteral("70051712345"));
    for (int i = 0; i < 4; ++i) {
        auto* sq = page.add<TQRCheckBox>(QStringLiteral("F6_%1").arg(i + 1), 90 + i * 25, 23, 4, 4);
        sq->setChecked(i == 1);
    }
    auto* name = page.add<TQRTextBox>(QStringLiteral("FNazwisko"), 10, 32, 90, 9);
    name->setCaption(U("11. Nazwisko"));
    name->setText(U("KOWALSKI-ŻÓŁĆ"));
    auto* first = page.add<TQRTextBox>(QStringLiteral("FImie"), 100, 32, 90, 9);
    first->setCaption(U("12. Pierwsze imię"));
    first->setText(QStringLiteral("JAN"));
    first->setTextAlignment(Qt::AlignHCenter);
    const struct { int box; const char* title; const char* value; bool whole; bool zl; } boxes[] = {
        {39, "39. Przychód", "51234.50", false, false},
        {40, "40. Koszty", "1335.00", false, false},
        {43, "43. Zaliczka", "4321.49", true, false},
        {120, "120. Podatek należny", "7654.00", false, true},
    };
    for (int i = 0; i < 4; ++i) {
        auto* b = page.add<TQRCurrBox>(QStringLiteral("F%1").arg(boxes[i].box), 10 + (i % 2) * 90, 45 + (i / 2) * 10, 90, 9);
        b->setCaption(U(boxes[i].title));
        b->setValue(A(boxes[i].value));
        b->setIntValue(boxes[i].whole);
        b->setPrintZL(boxes[i].zl);
    }
    auto* count = page.add<TQRIntBox>(QStringLiteral("F130"), 10, 67, 40, 9);
    count->setCaption(U("130. PIT/O"));
    count->setValue(A("2"));
    const char* cells[] = {"a", "b", "c", "RAZEM"};
    for (int i = 0; i < 4; ++i) {
        auto* c = page.add<TQRCell>(QStringLiteral("Cell%1").arg(i), 60 + i * 30, 67, 30, 9);
        c->setCaption(U(cells[i]));
        c->setHorAlignment(THAlignment(i % 3));
        c->setVertAlignment(TVAlignment(i % 3));
        c->setBrush(QColor(235, 235, 235));
    }
    auto* section = page.add<TQRShape>(QStringLiteral("SekcjaTlo"), 10, 80, 180, 6);
    section->setBrush(QColor(235, 235, 235));
    auto* heading = page.add<TQRLabel>(QStringLiteral("SekcjaNapis"), 12, 80.5, 176, 5);
    heading->setCaption(U("D. DOCHODY PODATNIKA I MAŁŻONKA"));
    heading->setFont([] { QFont f = TQRCustomPit::DefaultFont(10); f.setBold(true); return f; }());
    auto* note = page.add<TQRLabel>(QStringLiteral("Pouczenie"), 10, 88, 80, 15);
    note->setWordWrap(true);
    note->setFont(TQRCustomPit::DefaultFont(7));
    note->setCaption(U("Za podanie nieprawdy lub zatajenie prawdy i przez to narażenie podatku na uszczuplenie "
                       "grozi odpowiedzialność przewidziana w Kodeksie karnym skarbowym."));
    page.add<TQRMemo>(QStringLiteral("F137"), 100, 88, 90, 15)->setLines({QStringLiteral("123-456-32-18"),
                                                                           U("ANNA KOWALSKA"), U("US WARSZAWA-MOKOTÓW")});
    page.add<TQRShape>(QStringLiteral("Linia"), 10, 104, 180, 2)->setShape(qrsHorLine);
    auto* footer = page.add<TQRPitFooter>(QStringLiteral("Stopka"), 150, 270, 38, 6);
    footer->setFormularz(fmPit37);
    footer->setVersion(QStringLiteral("14"));
    footer->setPageNo(1);
}

}  // namespace

TEST(SamplePage, EveryComponentInksItsOwnArea)
{
    TQRPage page;
    buildSample(page);
    const int dpi = 150;
    const QImage img = page.render(dpi);
    TQRCanvas canvas(const_cast<QImage*>(&img));
    const QPoint origin(canvas.toPixels(page.MarginLeft / 10.0), canvas.toPixels(page.MarginTop / 10.0));
    for (TQRCustomPit* c : page.components()) {
        const TQREdges e = c->edges(TQRCanvas(const_cast<QImage*>(&img), origin));
        int ink = 0;
        for (int y = std::max(0, e.top); y <= e.bottom && y < img.height(); ++y)
            for (int x = std::max(0, e.left); x <= e.right && x < img.width(); ++x)
                if (qGray(img.pixel(x, y)) < 128) ++ink;
        EXPECT_GT(ink, 0) << c->objectName().toStdString();
    }
    const QString shots = qEnvironmentVariable("ZORVIK_SHOTS");
    if (!shots.isEmpty()) {
        QDir().mkpath(shots);
        img.save(shots + QStringLiteral("/sample_page.png"));
        EXPECT_TRUE(PrintPagesToPdf(shots + QStringLiteral("/sample_page.pdf"), {&page}));
    }
}
