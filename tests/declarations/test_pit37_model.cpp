// PIT-37 model through a real data folder: the shared box pattern (blank flags, Save/Load,
// SetField rules, warnings) and the computation's worked cases.

#include "FPit37.h"
#include "FormTestHelpers.h"
#include "TestEnv.h"

namespace {

class Pit37Test : public DataFolderTest {
protected:
    int addJoint(const QString& surname, const QString& firstName, int method = 1)
    {
        return addTaxpayer(surname, firstName, {{QStringLiteral("Sposob"), method}});
    }
    // Types a value the way the editor does: the amount, and the box is no longer blank.
    static void type(TPit37& m, int box, Amount a) { TypeBox(m, box, a); }
};

TEST_F(Pit37Test, IndividualScaleWorkedCase)
{
    const int id = addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"));
    TPit37 m;
    ASSERT_TRUE(m.Load(id));
    type(m, 39, "50000.40"_zl);
    EXPECT_EQ(m.GetPole(105), "50000.40"_zl);
    EXPECT_EQ(m.GetPole(106), "50000.00"_zl);
    EXPECT_EQ(m.GetPole(107), "9519.25"_zl);
    EXPECT_EQ(m.GetTekst(106), QStringLiteral("50 000"));
    EXPECT_EQ(m.GetTekst(107), QStringLiteral("9 519,25"));
}

TEST_F(Pit37Test, JointFilingHalvesAndDoubles)
{
    const int id = addJoint(QStringLiteral("Nowak"), QStringLiteral("Jan"));
    TPit37 m;
    ASSERT_TRUE(m.Load(id));
    type(m, 39, "60000.00"_zl);
    type(m, 66, "40001.00"_zl);
    EXPECT_EQ(m.GetPole(105), "100001.00"_zl);
    EXPECT_EQ(m.GetPole(106), "50001.00"_zl);
    EXPECT_EQ(m.GetPole(107), "19039.10"_zl);
}

TEST_F(Pit37Test, ZeroIsNotBlankAcrossSaveAndLoad)
{
    const int id = addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"));
    {
        TPit37 m;
        ASSERT_TRUE(m.Load(id));
        type(m, 39, "1000.00"_zl);
        type(m, 40, Amount());   // 0 typed: not blank
        ASSERT_TRUE(m.Save());
    }
    TPit37 m;
    ASSERT_TRUE(m.Load(id));
    EXPECT_FALSE(m.GetEmpty(40));
    EXPECT_EQ(m.GetPole(40), Amount());
    EXPECT_TRUE(m.GetDruk(40));
    EXPECT_TRUE(m.GetEmpty(43));
    EXPECT_FALSE(m.GetDruk(43));
    EXPECT_EQ(m.GetTekst(43), QString());
    ASSERT_TRUE(dm->Pit37->locate(QStringLiteral("PodatId"), id));
    EXPECT_FALSE(dm->Pit37->isNull(QStringLiteral("P40")));
    EXPECT_TRUE(dm->Pit37->isNull(QStringLiteral("P43")));
}

TEST_F(Pit37Test, SetFieldIgnoresNegativeAndUndefinedBoxes)
{
    const int id = addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"));
    TPit37 m;
    ASSERT_TRUE(m.Load(id));
    type(m, 39, "100.00"_zl);
    m.SetField(39, "-5.00"_zl);
    EXPECT_EQ(m.GetPole(39), "100.00"_zl);
    EXPECT_EQ(messages->count(), 0);

    m.SetField(41, "5.00"_zl);   // derived: not settable
    m.GetPole(124);
    m.GetDruk(127);
    EXPECT_EQ(messages->texts(),
              (QStringList{QStringLiteral("Procedura: SetField - pole: 41 nieokreślone."),
                           QStringLiteral("Procedura: GetPole - pole: 124 nieokreślone."),
                           QStringLiteral("Procedura: GetDruk - pole: 127 nieokreślone.")}));
    EXPECT_EQ(m.GetPole(41), "100.00"_zl);
}

TEST_F(Pit37Test, MissingTaxpayerWarnsAndWritesNothing)
{
    TPit37 m;
    EXPECT_FALSE(m.Load(999));
    m.PodatId = 999;
    EXPECT_FALSE(m.Save());
    EXPECT_EQ(messages->texts(), (QStringList{QStringLiteral("Brak podatnika [PodatId = [999]."),
                                              QStringLiteral("Brak podatnika [PodatId = [999].")}));
    EXPECT_EQ(dm->Pit37->recordCount(), 0);
}

}  // namespace
