// Amount arithmetic, rounding, the 2008 scale and the text helpers.

#include "Amount.h"
#include "Globals.h"

#include <gtest/gtest.h>

namespace {

Amount A(const char* s)
{
    return *Amount::parse(QString::fromLatin1(s));
}

}  // namespace

TEST(Amount, ParseAndFormat)
{
    struct Case { const char* text; qint64 raw; };
    const Case cases[] = {
        {"0", 0},          {"1234,56", 12345600}, {"1 234,56", 12345600}, {"-0,5", -5000},
        {"0.12345", 1234}, {"0.12355", 1236},     {"+7", 70000},          {",5", 5000},
    };
    for (const Case& c : cases) {
        const auto a = Amount::parse(QString::fromUtf8(c.text));
        ASSERT_TRUE(a.has_value()) << c.text;
        EXPECT_EQ(a->raw(), c.raw) << c.text;
    }
    for (const char* bad : {"", "abc", "1,2,3", "1e5", "-", "12zł"})
        EXPECT_FALSE(Amount::parse(QString::fromUtf8(bad)).has_value()) << bad;
    EXPECT_EQ(A("-1234.5").toString(), QStringLiteral("-1234.50"));
    EXPECT_EQ(A("0.1235").toString(), QStringLiteral("0.1235"));
}

TEST(Amount, StoredFloatConversionRoundsToTenThousandths)
{
    EXPECT_EQ(Amount::fromDouble(0.1 + 0.2), A("0.3"));
    EXPECT_EQ(Amount::fromDouble(1234.56), A("1234.56"));
    EXPECT_EQ(Amount::fromDouble(-0.00005), Amount::fromRaw(-1));  // half away from zero at the boundary
    EXPECT_EQ(Amount::fromDouble(99999999.9999).raw(), 999999999999LL);
}

TEST(Amount, ProductsAndQuotientsRoundHalfToEven)
{
    EXPECT_EQ(A("3088.68") * "0.19"_zl, A("586.8492"));
    EXPECT_EQ(A("0.0001") * A("0.5"), Amount());                  // 0.00005 -> 0.0000 (even)
    EXPECT_EQ(A("0.0003") * A("0.5"), A("0.0002"));               // 0.00015 -> 0.0002 (even)
    EXPECT_EQ(A("13890.00") / A("60000.00"), A("0.2315"));
    EXPECT_EQ(A("1") / A("3"), A("0.3333"));
    EXPECT_EQ(A("2").dividedBy(3), A("0.6667"));
    EXPECT_EQ(A("5") / Amount(), Amount());
}

TEST(Helpers, RoundAmount)
{
    struct Case { int mode; const char* in; const char* out; };
    const Case cases[] = {
        {0, "2.50", "3"},     {0, "2.49", "2"},      {2, "1.2345", "1.23"}, {2, "1.235", "1.24"},
        {1, "12.34", "12.3"}, {1, "12.35", "12.4"},  {0, "-2.70", "-2"},    {0, "-2.40", "-1"},
        {5, "1.2345", "1.2345"},
    };
    for (const Case& c : cases) EXPECT_EQ(RoundAmount(c.mode, A(c.in)), A(c.out)) << c.mode << " " << c.in;
}

TEST(Helpers, TenGroszAndOnePercent)
{
    EXPECT_EQ(TruncToTenGrosz(A("12.39")), A("12.30"));
    EXPECT_EQ(OnePercentLimit(A("1234.56")), A("12.30"));
    EXPECT_EQ(OnePercentLimit(A("99")), A("0.90"));
}

TEST(Helpers, ScaleTax2008)
{
    struct Case { const char* income; const char* tax; };
    const Case cases[] = {
        {"0", "0"},           {"3088.68", "0.00"},  {"3089", "0.06"},       {"44490.00", "7866.25"},
        {"44491", "7866.55"}, {"85528.00", "20177.65"}, {"100000.00", "25966.45"}, {"50000.40", "9519.37"},
    };
    for (const Case& c : cases) EXPECT_EQ(ScaleTax(A(c.income)), A(c.tax)) << c.income;
}

TEST(Helpers, SplitHealthDeduction)
{
    struct Case { int code; const char *z, *y, *x, *first, *second; };
    const Case cases[] = {
        {1, "200", "100", "300", "0", "200"},   {1, "350", "100", "300", "100", "250"},
        {1, "1000", "800", "600", "800", "200"}, {1, "700", "300", "900", "0", "700"},
        {0, "500", "800", "0", "500", "0"},     {3, "500", "300", "900", "300", "0"},
        {2, "1000", "300", "400", "300", "400"}, {1, "50", "100", "300", "50", "0"},
    };
    for (const Case& c : cases) {
        const THealthSplit s = SplitHealthDeduction(c.code, A(c.z), A(c.y), A(c.x));
        EXPECT_EQ(s.first, A(c.first)) << c.code << " " << c.z;
        EXPECT_EQ(s.second, A(c.second)) << c.code << " " << c.z;
    }
}

TEST(Helpers, PolishAmountFormat)
{
    struct Case { const char* in; const char* two; const char* whole; };
    const Case cases[] = {
        {"0", "0,00", "0"},
        {"1234.56", "1 234,56", "1 235"},
        {"-1234.5", "-1 234,50", "-1 235"},
        {"1234567.891", "1 234 567,89", "1 234 568"},
        {"0.005", "0,01", "0"},
        {"-0.004", "0,00", "0"},
        {"999.995", "1 000,00", "1 000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatAmount(A(c.in)), QString::fromUtf8(c.two)) << c.in;
        EXPECT_EQ(FormatWholeAmount(A(c.in)), QString::fromUtf8(c.whole)) << c.in;
    }
}

TEST(Helpers, AmountInWordsCodeEveryGroszValue)
{
    EXPECT_EQ(AmountInWordsCode(A("1203.05")), QStringLiteral("JED*DWA*ZER*TRZ*5/100"));
    EXPECT_EQ(AmountInWordsCode(A("0.59")), QStringLiteral("ZER*59/100"));
    EXPECT_EQ(AmountInWordsCode(A("987654.32")), QStringLiteral("DZI*OSI*SIE*SZE*PIĘ*CZT*32/100"));
    for (int g = 0; g <= 99; ++g) {
        const QString text = AmountInWordsCode(Amount::grosze(7 * 100 + g));
        EXPECT_EQ(text, QStringLiteral("SIE*") + QString::number(g) + QStringLiteral("/100")) << g;
    }
    EXPECT_EQ(DigitCode(u'5'), QStringLiteral("PIĘ"));
    EXPECT_TRUE(DigitCode(u'x').isEmpty());
}

TEST(Helpers, Texts)
{
    EXPECT_EQ(FilingMethodText(0), QStringLiteral("indywidualnie"));
    EXPECT_EQ(FilingMethodText(2), QStringLiteral("wspólnie z małżonkiem"));
    EXPECT_EQ(FilingMethodText(3), QStringLiteral("wspólnie z dzieckiem"));
    EXPECT_TRUE(FilingMethodText(7).isEmpty());
    EXPECT_EQ(FilingMethodCode(7), 0);
    EXPECT_EQ(FilingMethodCode(2), 2);
    EXPECT_EQ(DeclarationCaption(QStringLiteral("PIT-37"), QStringLiteral("Kowalski"), QStringLiteral(" Jan "), 1),
              QStringLiteral("PIT-37 - Jan Kowalski [wspólnie z małżonkiem]"));
    EXPECT_EQ(UndefinedBoxMessage(QStringLiteral(" GetPole "), 999),
              QStringLiteral("Procedura: GetPole - pole: 999 nieokreślone."));
    EXPECT_EQ(MissingTaxpayerMessage(12), QStringLiteral("Brak podatnika [PodatId = [12]."));
    EXPECT_EQ(BoxControlName(39), QStringLiteral("F39"));
    EXPECT_EQ(BoxLabelName(39), QStringLiteral("F39Lbl"));
    EXPECT_EQ(BoxButtonName(39), QStringLiteral("F39Btn"));
    EXPECT_EQ(BoxTagName(39), QStringLiteral("b39"));
    EXPECT_EQ(FormSymbols().size(), 16);
    EXPECT_EQ(FormSymbol(fkPitZG), QStringLiteral("PIT/ZG"));
    EXPECT_EQ(FormTitles().at(fkPrzelew), QStringLiteral("Przelew/Wpłata"));
    EXPECT_EQ(RodzCode(1), QStringLiteral("M"));
    EXPECT_EQ(RemoveSpaces(QStringLiteral(" 1 2 ")), QStringLiteral("12"));
    EXPECT_EQ(RemoveHyphens(QStringLiteral("12-345")), QStringLiteral("12345"));
    const QString sep = WithTrailingSeparator(QStringLiteral("dane"));
    EXPECT_EQ(WithTrailingSeparator(sep), sep);
    EXPECT_EQ(WithTrailingSeparator(QString()).size(), 1);
    TFieldNote n;
    SetFieldNote(n, ncRed, QStringLiteral("x"));
    ClearFieldNote(n);
    EXPECT_EQ(n.colour, 0);
    EXPECT_FALSE(n.shown);
    EXPECT_EQ(NoteQColor(ncRed), QColor(255, 0, 0));
    EXPECT_EQ(NoteQColor(ncGreen), QColor(0, 255, 0));
}
