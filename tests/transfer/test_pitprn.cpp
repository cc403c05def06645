// The printing object of the transfer form, on a real PDF.

#include "PitPrn.h"

#include "FPrn.h"
#include "PdfText.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int kDpi = 600;

std::unique_ptr<QPrinter> PdfPrinter(const QString& file, bool fullPage)
{
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setOutputFileName(file);
    p->setResolution(kDpi);
    p->setPageMargins(QMarginsF(6, 8, 6, 8), QPageLayout::Millimeter);
    p->setFullPage(fullPage);
    return p;
}

}  // namespace

TEST(PitPrn, TruncatesAndPlacesFromTheSheetCorner)
{
    QTemporaryDir out;
    for (bool fullPage : {true, false}) {
        const QString file = out.filePath(fullPage ? QStringLiteral("full.pdf") : QStringLiteral("margins.pdf"));
        auto printer = PdfPrinter(file, fullPage);
        {
            TPrnExt prn(printer.get());
            prn.EndDoc();   // nothing open: nothing happens
            prn.BeginDoc();
            EXPECT_TRUE(prn.IsOpen());
            EXPECT_EQ(prn.MmToX(86.0f), 2031);    // 2031.496 cut
            EXPECT_EQ(prn.MmToX(86.99f), 2054);   // 2054.93 cut, not rounded up
            EXPECT_EQ(prn.MmToY(25.4f), 600);
            prn.Text(20, 30, QStringLiteral("Odbiorca"));
            prn.Text(-1, 30, QStringLiteral("ujemne"));
            prn.Text(20, -0.5f, QStringLiteral("ujemne"));
            prn.Cross(40, 50);
            prn.Cells(QStringLiteral("1234"), 60, 10);
        }   // the document ends with the object
        const auto words = PdfWords(file);
        EXPECT_TRUE(PdfFind(words, QStringLiteral("ujemne")).isEmpty());
        const auto who = PdfFind(words, QStringLiteral("Odbiorca"));
        ASSERT_EQ(who.size(), 1) << fullPage;
        EXPECT_NEAR(who[0].x0, PxToMm(708, kDpi), 0.12) << fullPage;   // trunc(708.66)
        ASSERT_EQ(PdfFind(words, QStringLiteral("X")).size(), 1);
        for (int k = 0; k < 4; ++k) {
            const auto c = PdfFind(words, QString::number(k + 1));
            ASSERT_EQ(c.size(), 1) << k;
            EXPECT_NEAR(c[0].x0, PxToMm(int(std::trunc(kDpi * (10 + k * 4.98f) / 25.4f)), kDpi), 0.12) << k;
        }
    }
}

TEST(PitPrn, PrinterThatCannotStartIsReported)
{
    auto printer = PdfPrinter(QStringLiteral("/nonexistent-folder/p.pdf"), true);
    TPitPrn prn(printer.get());
    EXPECT_THROW(prn.BeginDoc(), TPrintError);
    EXPECT_FALSE(prn.IsOpen());
}
