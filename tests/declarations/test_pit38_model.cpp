// PIT-38 model through a real data folder: the worked cases, the typed rate, the foreign
// part of the other revenue, and complete returns worked out by hand.

#include "FPit38.h"
#include "TestEnv.h"
#include "test_pit36_cases.h"

namespace {

class Pit38Test : public DataFolderTest {
protected:
    static void type(TPit38& m, int box, Amount a)
    {
        m.SetEmpty(box, false);
        m.SetField(box, a);
    }
};

TEST_F(Pit38Test, TypedRateBelowHundredOnly)
{
    const int id = addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"));
    TPit38 m;
    ASSERT_TRUE(m.Load(id));
    type(m, 21, "10000.00"_zl);
    type(m, 22, "4000.00"_zl);
    type(m, 31, "19.00"_zl);
    EXPECT_EQ(m.GetPole(32), "1140.00"_zl);
    type(m, 31, "100.00"_zl);   // refused silently
    EXPECT_EQ(m.GetPole(31), "19.00"_zl);
    type(m, 31, "99.99"_zl);
    EXPECT_EQ(m.GetPole(31), "99.99"_zl);
    EXPECT_EQ(m.GetPole(32), "5999.40"_zl);
    EXPECT_EQ(messages->count(), 0);
}

TEST_F(Pit38Test, ForeignPartMakesOtherRevenueFilledAndKeepsTypedPartApart)
{
    const int id = addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"), {{QStringLiteral("PitZGPod"), 1}});
    returncases::applySetup(dm.get(), id, {QStringLiteral("zag:P:1:32=300/100")});
    {
        TPit38 m;
        ASSERT_TRUE(m.Load(id));
        EXPECT_FALSE(m.GetEmpty(23));
        EXPECT_EQ(m.GetPole(23), "300.00"_zl);
        type(m, 23, "50.00"_zl);
        EXPECT_EQ(m.GetPole(23), "350.00"_zl);
        EXPECT_TRUE(m.GetDruk(33));   // with PIT/ZG even when 0
        ASSERT_TRUE(m.Save());
    }
    ASSERT_TRUE(dm->Pit38->locate(QStringLiteral("PodatId"), id));
    EXPECT_EQ(dm->Pit38->asAmount(QStringLiteral("P23")), "50.00"_zl);   // the typed part only
    TPit38 m;
    ASSERT_TRUE(m.Load(id));
    EXPECT_EQ(m.GetPole(23), "350.00"_zl);
    EXPECT_EQ(m.GetPole(24), "100.00"_zl);
}

TEST_F(Pit38Test, PrintedBoxes)
{
    const int id = addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"));
    TPit38 m;
    ASSERT_TRUE(m.Load(id));
    EXPECT_FALSE(m.GetDruk(23));
    EXPECT_FALSE(m.GetDruk(25));
    EXPECT_FALSE(m.GetDruk(33));
    EXPECT_FALSE(m.GetDruk(42));
    EXPECT_TRUE(m.GetDruk(30));
    EXPECT_TRUE(m.GetDruk(44));
    type(m, 21, Amount());   // 0 typed: filled, so row 3 is shown
    EXPECT_TRUE(m.GetDruk(21));
    EXPECT_TRUE(m.GetDruk(25));
    EXPECT_FALSE(m.GetDruk(26));
    type(m, 41, Amount());
    EXPECT_TRUE(m.GetDruk(42));
    EXPECT_TRUE(m.GetDruk(43));
    EXPECT_FALSE(m.GetDruk(65));
    EXPECT_FALSE(m.GetDruk(58));   // name of the organisation: no amount box
    EXPECT_EQ(messages->texts(), QStringList{QStringLiteral("Procedura: GetDruk - pole: 58 nieokreślone.")});
}

TEST_F(Pit38Test, OppAboveLimitNotedAndReported)
{
    const int id = addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"));
    TPit38 m;
    ASSERT_TRUE(m.Load(id));
    type(m, 21, "500.00"_zl);
    type(m, 31, "19.00"_zl);   // tax due 95, limit 0.90
    type(m, 60, "12.39"_zl);
    EXPECT_EQ(m.GetPole(60), "12.30"_zl);
    EXPECT_EQ(m.Note(60).colour, int(ncRed));
    EXPECT_EQ(m.Note(60).text, QStringLiteral("Wnioskowana kwota przekracza kwotę\rmożliwą do odliczenia = 0,90"));
    m.Verify();
    QStringList rows;
    for (int i = 0; i < dm->BledyTbl->count(); ++i) rows << dm->BledyTbl->at(i).Opis;
    EXPECT_TRUE(rows.contains(QStringLiteral("Nazwa OPP nie podana")));
    EXPECT_TRUE(rows.contains(QStringLiteral("Numer KRS nie podany")));
    EXPECT_TRUE(rows.contains(QStringLiteral("Wnioskowana kwota przekracza kwotę możliwego odliczenia")));
    EXPECT_FALSE(rows.contains(QStringLiteral("Cel złożenia formularza nie podany")));
}

TEST_F(Pit38Test, TextsAndSquaresSurviveSaveAndLoad)
{
    const int id = addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"));
    {
        TPit38 m;
        ASSERT_TRUE(m.Load(id));
        m.SetCel(2, true);
        m.P61 = QStringList{QStringLiteral("pierwsza"), QStringLiteral("druga")};
        m.P62 = QStringLiteral("cel");
        m.P63 = true;
        m.NazwaOPP = QStringLiteral("Fundacja");
        type(m, 57, "12.00"_zl);
        ASSERT_TRUE(m.Save());
    }
    TPit38 m;
    ASSERT_TRUE(m.Load(id));
    EXPECT_TRUE(m.IsKorekta());
    EXPECT_EQ(m.P61, (QStringList{QStringLiteral("pierwsza"), QStringLiteral("druga")}));
    EXPECT_EQ(m.P62, QStringLiteral("cel"));
    EXPECT_TRUE(m.P63);
    EXPECT_EQ(m.NazwaOPP, QStringLiteral("Fundacja"));
    EXPECT_EQ(m.GetPole(57), "12.00"_zl);
    EXPECT_TRUE(m.HasOpp());
}

TEST_F(Pit38Test, CompleteReturnsWorkedOutByHand)
{
    returncases::checkReturns<TPit38>(dm.get(), QStringLiteral("pit38_returns.csv"), 10u, [this](const QString& name) {
        return addTaxpayer(name, QStringLiteral("Jan"));
    });
    EXPECT_EQ(messages->count(), 0);
}

}  // namespace
