// Drawing arithmetic of the report components and the frame grids: where the lines,
// ticks and characters land in device pixels, and the texts of amount boxes.

#include "Krata.h"
#include "QRPage.h"
#include "QRPit.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

Amount A(const char* s) { return *Amount::parse(QString::fromUtf8(s)); }
QString U(const char* s) { return QString::fromUtf8(s); }

// A device of exactly 10 pixels per millimetre.
QImage device10()
{
    QImage img(2100, 2970, QImage::Format_RGB32);
    img.setDotsPerMeterX(10000);
    img.setDotsPerMeterY(10000);
    return img;
}

TQRItems ofKind(const TQRItems& items, TQRItem::Kind k)
{
    TQRItems out;
    for (const TQRItem& it : items)
        if (it.kind == k) out << it;
    return out;
}

QString joinedText(const TQRItems& items)
{
    QString s;
    for (const TQRItem& it : ofKind(items, TQRItem::Text)) s += it.text;
    return s;
}

}  // namespace

TEST(QRPit, AmountBoxTexts)
{
    struct Case { const char* value; bool intValue, printZL, printZero; const char* text; };
    const Case cases[] = {
        {"1234.50", false, false, true, "1 234,50"},
        {"1234.50", true, false, true, "1 235"},            // the whole-złoty format rounds
        {"1234.50", false, true, true, "1 234 zł, 50 gr"},
        {"0", false, false, true, "0,00"},
        {"0", true, false, true, "0"},
        {"0", false, false, false, ""},
        {"0", false, true, false, ""},
        {"-1234.05", false, true, true, "-1 234 zł, 05 gr"},
        {"-0.50", false, true, true, "-0 zł, 50 gr"},       // the sign is not lost below one złoty
        {"1234.999", false, true, true, "1 235 zł, 00 gr"},  // złoty and grosze of one rounded value
    };
    for (const Case& c : cases)
        EXPECT_EQ(TQRCurrBox::ValueText(A(c.value), c.intValue, c.printZL, c.printZero), U(c.text)) << c.value;

    TQRIntBox box;
    box.setValue(A("1234.5"));
    EXPECT_EQ(box.valueText(), U("1 235"));
    box.setPrintZL(true);
    EXPECT_EQ(box.valueText(), U("1 235 zł"));
    box.setValue(Amount());
    box.setPrintZero(false);
    EXPECT_EQ(box.valueText(), QString());
}

TEST(QRPit, CurrencyBoxValueIsRightAlignedInsideTheFrame)
{
    QImage dev = device10();
    TQRCanvas canvas(&dev, QPoint(50, 70));
    TQRCurrBox box;
    box.setGeometryMm(10, 20, 50, 9);
    box.setCaption(U("39. Przychód"));
    box.setValue(A("1234.50"));
    const TQRItems items = box.layout(canvas);
    const TQREdges e = box.edges(canvas);
    EXPECT_EQ(e.left, 150);
    EXPECT_EQ(e.right, 650);
    EXPECT_EQ(e.top, 270);
    EXPECT_EQ(e.bottom, 360);

    ASSERT_EQ(ofKind(items, TQRItem::Rect).size(), 1);
    const TQRItems texts = ofKind(items, TQRItem::Text);
    ASSERT_EQ(texts.size(), 2);
    const QFontMetrics cap(box.CaptionFont(), &dev), val(box.Font(), &dev);
    // Caption: one "M" in from the left, a sixth of the caption height plus the pen below the top.
    EXPECT_EQ(texts[0].text, U("39. Przychód"));
    EXPECT_EQ(texts[0].pos, QPoint(e.left + cap.horizontalAdvance(u'M'), e.top + cap.height() / 6 + 3));
    // Value: ends one "M" of the caption font before the right edge.
    EXPECT_EQ(texts[1].text, U("1 234,50"));
    EXPECT_EQ(texts[1].pos.x() + val.horizontalAdvance(texts[1].text), e.right - cap.horizontalAdvance(u'M'));
    EXPECT_EQ(texts[1].pos.y(), e.bottom - val.height() - cap.height() / 6);

    box.setValue(Amount());
    box.setPrintZero(false);
    EXPECT_EQ(ofKind(box.layout(canvas), TQRItem::Text).size(), 1);   // frame and caption only
}

TEST(QRPit, TextBoxAlignments)
{
    QImage dev = device10();
    TQRCanvas canvas(&dev);
    TQRTextBox box;
    box.setGeometryMm(0, 0, 50, 9);
    box.setText(QStringLiteral("KOWALSKI"));
    const QFontMetrics cap(box.CaptionFont(), &dev), val(box.Font(), &dev);
    const int tw = val.horizontalAdvance(QStringLiteral("KOWALSKI"));
    struct Case { Qt::Alignment a; int x; };
    const Case cases[] = {
        {Qt::AlignLeft, cap.horizontalAdvance(u'M')},
        {Qt::AlignRight, 500 - tw - cap.horizontalAdvance(QStringLiteral("  "))},
        {Qt::AlignHCenter, (500 - tw) / 2},
    };
    for (const Case& c : cases) {
        box.setTextAlignment(c.a);
        const TQRItems t = ofKind(box.layout(canvas), TQRItem::Text);
        ASSERT_EQ(t.size(), 1);
        EXPECT_EQ(t[0].pos, QPoint(c.x, 90 - val.height() - 2)) << int(c.a);
    }
}

TEST(QRPit, CombTicksAndCentredDigits)
{
    QImage dev = device10();
    TQRCanvas canvas(&dev);
    TQRMonth month;
    month.setGeometryMm(10, 10, 11, 5);
    month.setMonth(3);
    const TQRItems items = month.layout(canvas);
    const TQRItems lines = ofKind(items, TQRItem::Line);
    ASSERT_EQ(lines.size(), 4);   // base line and three ticks
    EXPECT_EQ(lines[0].line, QLine(100, 150, 210, 150));
    const int tick = 50 / 3;
    EXPECT_EQ(lines[1].line, QLine(100, 150, 100, 150 - tick));
    EXPECT_EQ(lines[2].line, QLine(155, 150, 155, 150 - tick));
    EXPECT_EQ(lines[3].line, QLine(210, 150, 210, 150 - tick));
    const TQRItems texts = ofKind(items, TQRItem::Text);
    ASSERT_EQ(texts.size(), 2);
    const QFontMetrics fm(month.Font(), &dev);
    EXPECT_EQ(texts[0].text, QStringLiteral("0"));
    EXPECT_EQ(texts[1].text, QStringLiteral("3"));
    EXPECT_EQ(texts[0].pos, QPoint(100 + (55 - fm.horizontalAdvance(u'0')) / 2, 100));
    EXPECT_EQ(texts[1].pos, QPoint(155 + (55 - fm.horizontalAdvance(u'3')) / 2, 100));

    month.setMonth(0);
    month.setPrintZero(false);
    EXPECT_TRUE(ofKind(month.layout(canvas), TQRItem::Text).isEmpty());
    month.setPrintZero(true);
    EXPECT_EQ(joinedText(month.layout(canvas)), QStringLiteral("00"));
    month.setMonth(100);                       // ignored
    EXPECT_EQ(month.Month(), 0);

    // Too low for the digits: the comb without characters.
    TQRNIP nip;
    nip.setGeometryMm(0, 0, 65, 1);
    nip.setNIP(QStringLiteral("123-456-32-18"));
    const TQRItems low = nip.layout(canvas);
    EXPECT_EQ(ofKind(low, TQRItem::Line).size(), 15);
    EXPECT_TRUE(ofKind(low, TQRItem::Text).isEmpty());
    nip.setHeight(6);
    EXPECT_EQ(joinedText(nip.layout(canvas)), QStringLiteral("123-456-32-18"));

    EXPECT_EQ(CentreInCell(0, 10, 30), 0);     // never left of the page
    EXPECT_EQ(CentreInCell(100, 155, 20), 117);
}

TEST(QRPit, PlotekAndYearAcceptOnlyTheirRanges)
{
    TQRYear year;
    QSignalSpy spy(&year, &TQRCustomPit::changed);
    for (int bad : {1900, 2100, -1}) year.setYear(bad);
    EXPECT_EQ(year.Year(), 2000);
    EXPECT_EQ(spy.count(), 0);
    year.setYear(2000);                        // same value: nothing
    EXPECT_EQ(spy.count(), 0);
    year.setYear(2008);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(year.digits(), QStringLiteral("2008"));
    year.setYear(0);
    EXPECT_EQ(year.digits(), QStringLiteral("    "));

    TQRPlotek p;
    for (int bad : {0, 101}) p.setIlosc(bad);
    EXPECT_EQ(p.Ilosc(), 4);
    p.setIlosc(11);
    p.setGeometryMm(0, 0, 55, 5);
    p.setText(QStringLiteral("80010112345"));
    QImage dev = device10();
    const TQRItems items = p.layout(TQRCanvas(&dev));
    EXPECT_EQ(ofKind(items, TQRItem::Line).size(), 13);
    EXPECT_EQ(joinedText(items), QStringLiteral("80010112345"));
}

TEST(QRPit, DateCellsWithGaps)
{
    QImage dev = device10();
    TQRDate d;
    d.setGeometryMm(0, 0, 36, 5);              // 360 px: w = 20
    d.setDate(QDate(2008, 3, 9));
    const TQRItems items = d.layout(TQRCanvas(&dev));
    const TQRItems lines = ofKind(items, TQRItem::Line);
    ASSERT_EQ(lines.size(), 3 + 11);
    EXPECT_EQ(lines[0].line, QLine(0, 50, 80, 50));
    EXPECT_EQ(lines[1].line, QLine(100, 50, 180, 50));
    EXPECT_EQ(lines[2].line, QLine(200, 50, 360, 50));
    QVector<int> ticks;
    for (int i = 3; i < lines.size(); ++i) ticks << lines[i].line.x1();
    EXPECT_EQ(ticks, (QVector<int>{0, 40, 80, 100, 140, 180, 200, 240, 280, 320, 360}));
    const TQRItems texts = ofKind(items, TQRItem::Text);
    EXPECT_EQ(joinedText(items), QStringLiteral("09032008"));
    const QFontMetrics fm(d.Font(), &dev);
    EXPECT_EQ(texts[2].pos.x(), CentreInCell(100, 140, fm.horizontalAdvance(u'0')));
    EXPECT_EQ(texts[4].pos.x(), CentreInCell(200, 240, fm.horizontalAdvance(u'2')));

    d.setDate(QDate());
    EXPECT_TRUE(ofKind(d.layout(TQRCanvas(&dev)), TQRItem::Text).isEmpty());
}

TEST(QRPit, CellAlignments)
{
    QImage dev = device10();
    TQRCell cell;
    cell.setGeometryMm(0, 0, 40, 10);
    cell.setCaption(QStringLiteral("RAZEM"));
    const QFontMetrics fm(cell.Font(), &dev);
    const int w = fm.horizontalAdvance(QStringLiteral("RAZEM")), h = fm.height();
    struct Case { THAlignment ha; TVAlignment va; QPoint pos; };
    const Case cases[] = {
        {haLeft, vaTop, {0, 0}},
        {haCenter, vaCenter, {(400 - w) / 2, (100 - h) / 2}},
        {haRight, vaBottom, {400 - w, 100 - h - 1}},
    };
    for (const Case& c : cases) {
        cell.setHorAlignment(c.ha);
        cell.setVertAlignment(c.va);
        const TQRItems t = ofKind(cell.layout(TQRCanvas(&dev)), TQRItem::Text);
        ASSERT_EQ(t.size(), 1);
        EXPECT_EQ(t[0].pos, c.pos) << c.ha << c.va;
    }
}

TEST(QRPit, CheckBoxCrossOnlyWhenChecked)
{
    QImage dev = device10();
    TQRCheckBox box;
    box.setLeft(5);
    EXPECT_EQ(ofKind(box.layout(TQRCanvas(&dev)), TQRItem::Line).size(), 0);
    box.setChecked(true);
    const TQRItems lines = ofKind(box.layout(TQRCanvas(&dev)), TQRItem::Line);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].line, QLine(50, 0, 79, 29));
    EXPECT_EQ(lines[1].line, QLine(50, 29, 79, 0));
}

TEST(QRPit, SmartLabelSwitchesStylesByTags)
{
    QImage dev = device10();
    TQRSmartLabel label;
    label.setGeometryMm(0, 0, 150, 6);
    label.setCaption(U("<+b>Wybór sposobu opodatkowania <-b>(zaznaczyć właściwe kwadraty): a<b <x>"));
    const TQRItems texts = ofKind(label.layout(TQRCanvas(&dev)), TQRItem::Text);
    const QString plain = U("Wybór sposobu opodatkowania (zaznaczyć właściwe kwadraty): a<b <x>");
    EXPECT_EQ(joinedText(texts), plain);
    const int boldCount = int(U("Wybór sposobu opodatkowania ").size());
    for (int i = 0; i < texts.size(); ++i) EXPECT_EQ(texts[i].font.bold(), i < boldCount) << i;
    // Each character right after the previous one.
    for (int i = 1; i < texts.size(); ++i) {
        const QFontMetrics fm(texts[i - 1].font, &dev);
        EXPECT_EQ(texts[i].pos.x(), texts[i - 1].pos.x() + fm.horizontalAdvance(texts[i - 1].text)) << i;
    }
    EXPECT_EQ(ofKind(label.layout(TQRCanvas(&dev)), TQRItem::Fill).size(), 1);
}

TEST(QRPit, FooterSymbolVersionAndPages)
{
    QImage dev = device10();
    TQRPitFooter f;
    EXPECT_EQ(f.Symbol(), QStringLiteral("PIT-28"));
    EXPECT_EQ(f.PageCount(), 4);
    f.setFormularz(fmPit37);
    f.setVersion(QStringLiteral("14"));
    f.setPageNo(1);
    EXPECT_EQ(f.PageCount(), 3);
    const TQRItems items = f.layout(TQRCanvas(&dev));
    const TQRItems t = ofKind(items, TQRItem::Text);
    ASSERT_EQ(t.size(), 4);
    EXPECT_EQ(t[0].text, QStringLiteral("PIT-37"));
    EXPECT_TRUE(t[0].font.bold());
    EXPECT_EQ(t[1].text, QStringLiteral("1"));
    EXPECT_TRUE(t[1].font.bold());
    EXPECT_EQ(t[2].text, QStringLiteral("(14)"));
    EXPECT_FALSE(t[2].font.bold());
    EXPECT_EQ(t[2].font.pointSize(), 11 / 2 + 1);
    EXPECT_EQ(t[3].text, QStringLiteral("/3"));
    QFont bold = f.Font();
    bold.setBold(true);
    const QFontMetrics fb(bold, &dev);
    EXPECT_EQ(t[2].pos.x(), t[0].pos.x() + fb.horizontalAdvance(QStringLiteral("PIT-37 ")));
    EXPECT_EQ(t[3].pos.x(), t[1].pos.x() + fb.horizontalAdvance(QStringLiteral("1 ")));
    EXPECT_EQ(t[2].pos.y(), t[3].pos.y());
    EXPECT_GT(t[2].pos.y(), t[0].pos.y());     // the small texts sit on the bold ones' bottom
    const int divider = 380 * 2 / 3;
    EXPECT_LT(t[0].pos.x() + fb.horizontalAdvance(QStringLiteral("PIT-37")), divider);
    EXPECT_GT(t[1].pos.x(), divider);
    const TQRItems lines = ofKind(items, TQRItem::Line);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].line, QLine(divider, 0, divider, 60));

    struct Case { TQRFormularz form; const char* version; int pages; };
    const Case cases[] = {{fmPit36, "14", 6}, {fmPit36, "13", 4}, {fmPit36L, "5", 3}, {fmPit36L, "3", 4},
                          {fmPitD, "19", 2},  {fmPitD, "18", 4},  {fmNip1, "5", 4},   {fmAZO, "1", 1}};
    for (const Case& c : cases) EXPECT_EQ(FormularzPages(c.form, U(c.version)), c.pages) << c.form;

    TQRPitFooter g;
    g.setFormularz(fmPit36);
    g.setVersion(QStringLiteral("14"));
    g.setPageNo(6);
    EXPECT_EQ(g.PageNo(), 6);
    g.setFormularz(fmPit37);                   // fewer pages: the number is lowered
    EXPECT_EQ(g.PageNo(), 3);
    g.setPageNo(0);
    EXPECT_EQ(g.PageNo(), 3);
}

TEST(QRPit, LabelsWrapAndAlignMemosStackShapesDrawLines)
{
    QImage dev = device10();
    TQRCanvas canvas(&dev);
    TQRLabel label;
    label.setGeometryMm(0, 0, 30, 20);
    label.setCaption(U("Wypełnia podatnik, który złożył zeznanie"));
    EXPECT_EQ(label.lines(canvas), QStringList{label.Caption()});
    EXPECT_TRUE(ofKind(label.layout(canvas), TQRItem::Fill).isEmpty());   // no background by default
    label.setWordWrap(true);
    const QStringList lines = label.lines(canvas);
    ASSERT_GT(lines.size(), 1);
    EXPECT_EQ(lines.join(u' '), label.Caption());
    const QFontMetrics fm(label.Font(), &dev);
    for (const QString& l : lines) EXPECT_LE(fm.horizontalAdvance(l), 300) << l.toStdString();
    label.setAlignment(Qt::AlignRight);
    const TQRItems t = ofKind(label.layout(canvas), TQRItem::Text);
    ASSERT_EQ(t.size(), lines.size());
    for (int i = 0; i < t.size(); ++i) {
        EXPECT_EQ(t[i].pos.x() + fm.horizontalAdvance(t[i].text), 300);
        EXPECT_EQ(t[i].pos.y(), i * fm.height());
    }

    TQRMemo memo;
    memo.setGeometryMm(10, 10, 100, 20);
    memo.setLines({QStringLiteral("123-456-32-18"), QString(), QStringLiteral("URZAD")});
    const TQRItems m = ofKind(memo.layout(canvas), TQRItem::Text);
    ASSERT_EQ(m.size(), 2);                    // the empty line keeps its place
    EXPECT_EQ(m[1].pos, QPoint(100, 100 + 2 * QFontMetrics(memo.Font(), &dev).height()));

    TQRShape shape;
    shape.setGeometryMm(0, 0, 10, 4);
    EXPECT_EQ(ofKind(shape.layout(canvas), TQRItem::Rect).size(), 1);
    shape.setShape(qrsHorLine);
    EXPECT_EQ(ofKind(shape.layout(canvas), TQRItem::Line).first().line, QLine(0, 20, 100, 20));
    shape.setShape(qrsVertLine);
    EXPECT_EQ(ofKind(shape.layout(canvas), TQRItem::Line).first().line, QLine(50, 0, 50, 40));
}

TEST(QRPage, DataFontReachesDataComponentsOnly)
{
    TQRPage page;
    auto* box = page.add<TQRCurrBox>(QStringLiteral("F39"), 0, 0, 50, 9);
    auto* nip = page.add<TQRNIP>(QStringLiteral("FNip"), 0, 10, 65, 6);
    auto* date = page.add<TQRDate>(QStringLiteral("FData"), 0, 20, 48, 6);
    auto* label = page.add<TQRLabel>(QStringLiteral("Napis"), 0, 30, 50, 5);
    auto* footer = page.add<TQRPitFooter>(QStringLiteral("Stopka"), 0, 40, 38, 6);
    page.setDataFont(QStringLiteral("Courier New"), 10);
    for (TQRCustomPit* c : {static_cast<TQRCustomPit*>(box), static_cast<TQRCustomPit*>(nip),
                            static_cast<TQRCustomPit*>(date)}) {
        EXPECT_EQ(c->Font().family(), QStringLiteral("Courier New")) << c->objectName().toStdString();
        EXPECT_EQ(c->Font().pointSize(), 10);
    }
    EXPECT_EQ(box->CaptionFont().pointSize(), 7);   // the printed box title keeps its font
    EXPECT_EQ(label->Font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(footer->Font().pointSize(), 11);
}

TEST(Krata, RowsColumnsAndCaption)
{
    const QRect bounds(0, 0, 66, 46);
    TKrata k;
    k.setRows(0);                              // ignored
    k.setRows(3);
    EXPECT_EQ(k.frameRect(bounds), QRect(0, 0, 65, 45));
    EXPECT_EQ(k.rowLines(bounds), (QVector<int>{15, 30}));
    EXPECT_EQ(k.captionPos(bounds), QPoint(6, 1));
    k.setMargLeft(0);                          // ignored
    EXPECT_EQ(k.MargLeft(), 6);
    k.setPen(QPen(Qt::black, 3));
    EXPECT_EQ(k.frameRect(bounds), QRect(1, 1, 63, 43));

    TKrata3 g;
    EXPECT_EQ(g.Columns(), 3);
    g.setColumnWidth(0, 20);
    g.setColumnWidth(1, 30);
    g.setColumnWidth(1, -5);                   // ignored
    EXPECT_EQ(g.columnLines(bounds), (QVector<int>{20, 50}));
    g.setEqual(true, 66);
    EXPECT_EQ(g.ColumnWidth(0), 22);
    EXPECT_EQ(g.columnLines(QRect(10, 0, 90, 46)), (QVector<int>{40, 70}));

    int repaints = 0;
    g.onChanged = [&] { ++repaints; };
    g.setRows(2);
    g.setRows(2);
    EXPECT_EQ(repaints, 1);
}

TEST(QRPage, PdfCarriesTheValuesWhereTheyWereLaidOut)
{
    TQRPage page;
    page.MarginLeft = 40;
    auto* box = page.add<TQRCurrBox>(QStringLiteral("F39"), 20, 30, 50, 9);
    box->setValue(A("1234.50"));
    page.add<TQRPitFooter>(QStringLiteral("Stopka"), 150, 280, 38, 6)->setFormularz(fmPit37);
    EXPECT_EQ(page.find<TQRCurrBox>(QStringLiteral("F39")), box);
    EXPECT_EQ(page.find<TQRCheckBox>(QStringLiteral("F39")), nullptr);

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    ASSERT_TRUE(PrintPagesToPdf(pdf, {&page, &page}));
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(20000) || p.exitCode() != 0) GTEST_SKIP() << "pdftotext not available";
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_EQ(text.count(U("1 234,50")), 2);
    EXPECT_EQ(text.count(QStringLiteral("PIT-37")), 2);

    // The frame lies 4 mm (margin) + 20 mm from the sheet's left edge.
    const QImage img = page.render(100);
    const TQRCanvas c(const_cast<QImage*>(&img));
    const int left = c.toPixels(4.0) + c.toPixels(20), right = c.toPixels(4.0) + c.toPixels(70);
    const int y = c.toPixels(34);
    EXPECT_EQ(img.pixelColor(left, y), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(left - 2, y), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(left + 2, y), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(right - 1, y), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(right + 1, y), QColor(Qt::white));
}
