// PIT/M through a real data folder: the children's income by source, the parent's half,
// what is printed, the row checks and blank versus 0.

#include "FPitM.h"
#include "attach_fixture.h"

using namespace attachtest;

namespace {

class PitMTest : public AttachTest {};

// Several children's income of every source, typed as the totals of the rows.
TEST_F(PitMTest, IncomeOfSeveralChildren)
{
    const int id = addCouple(QStringLiteral("PIT-36"));
    TPitM m;
    ASSERT_TRUE(m.Load(id, 0));
    EXPECT_TRUE(m.GetP29(1));
    // row 1: pensions of two children 1200 + 800.50; row 2: rent 1000 / costs 1200 (a loss);
    // row 3: property rights 3000 / 1000; row 4: other 500 / 100; advances 9, 14, 19, 24.
    const std::pair<int, Amount> typed[] = {
        {7, "2000.50"_zl}, {9, "120.00"_zl}, {10, "1000.00"_zl}, {11, "1200.00"_zl}, {14, "0.00"_zl},
        {15, "3000.00"_zl}, {16, "1000.00"_zl}, {19, "200.00"_zl}, {20, "500.00"_zl}, {21, "100.00"_zl},
        {24, "31.01"_zl}};
    for (const auto& [box, a] : typed) type(m, box, a);
    struct Case { int box; Amount value; };
    const Case both[] = {{8, "2000.50"_zl},  {12, "0.00"_zl},    {13, "200.00"_zl},  {17, "2000.00"_zl},
                         {18, "0.00"_zl},    {22, "400.00"_zl},  {23, "0.00"_zl},    {25, "6500.50"_zl},
                         {26, "2300.00"_zl}, {27, "4400.50"_zl}, {28, "351.01"_zl},  {30, "2200.25"_zl},
                         {31, "175.51"_zl}};   // 175.505 rounds up
    for (const Case& c : both) EXPECT_EQ(m.GetPole(c.box), c.value) << c.box;
    m.SetP29(2, true);
    EXPECT_FALSE(m.GetP29(1));
    EXPECT_EQ(m.GetPole(30), "4400.50"_zl);
    EXPECT_EQ(m.GetPole(31), "351.01"_zl);
    m.SetP29(1, true);
    EXPECT_FALSE(m.GetP29(2));
    EXPECT_EQ(m.GetPole(30), "2200.25"_zl);
}

TEST_F(PitMTest, HalfOfAnOddTotal)
{
    const int id = addCouple(QStringLiteral("PIT-36"));
    TPitM m;
    ASSERT_TRUE(m.Load(id, 1));
    type(m, 20, "1001.00"_zl);
    EXPECT_EQ(m.GetPole(27), "1001.00"_zl);
    EXPECT_EQ(m.GetPole(30), "500.50"_zl);
    EXPECT_EQ(m.Caption(), QStringLiteral("PIT/M - Anna Nowak"));
}

TEST_F(PitMTest, WhatIsPrinted)
{
    const int id = addCouple(QStringLiteral("PIT-36"));
    TPitM m;
    ASSERT_TRUE(m.Load(id, 0));
    type(m, 15, Amount());   // 0 typed: printed, and so is the total of revenues
    type(m, 11, "10.00"_zl);
    struct Case { int box; bool printed; };
    const Case cases[] = {{7, false}, {8, false}, {15, true}, {16, false}, {11, true}, {12, false},
                          {13, true}, {25, true}, {26, true}, {27, false}, {28, false}, {30, true}, {31, true}};
    for (const Case& c : cases) EXPECT_EQ(m.GetDruk(c.box), c.printed) << c.box;
}

TEST_F(PitMTest, BlankAndZeroSurviveSaveAndLoad)
{
    const int id = addCouple(QStringLiteral("PIT-36"));
    {
        TPitM m;
        ASSERT_TRUE(m.Load(id, 0));
        type(m, 7, Amount());
        type(m, 10, "250.00"_zl);
        m.SetP29(2, true);
        ASSERT_TRUE(m.Save());
    }
    TPitM m;
    ASSERT_TRUE(m.Load(id, 0));
    EXPECT_FALSE(m.GetEmpty(7));
    EXPECT_TRUE(m.GetDruk(7));
    EXPECT_FALSE(m.GetEmpty(10));
    EXPECT_TRUE(m.GetEmpty(11));
    EXPECT_FALSE(m.GetDruk(11));
    EXPECT_TRUE(m.GetP29(2));
    EXPECT_EQ(m.GetPole(30), "250.00"_zl);
    TPitM other;
    ASSERT_TRUE(other.Load(id, 1));   // the spouse has none
    EXPECT_TRUE(other.GetEmpty(7));
    EXPECT_TRUE(other.GetP29(1));
}

TEST_F(PitMTest, SetFieldIgnoresOtherBoxesSilently)
{
    const int id = addCouple(QStringLiteral("PIT-36"));
    TPitM m;
    ASSERT_TRUE(m.Load(id, 0));
    m.SetField(8, "5.00"_zl);
    m.SetField(99, "5.00"_zl);
    EXPECT_EQ(m.GetPole(8), Amount());
    EXPECT_TRUE(messages->texts().isEmpty());
    m.GetPole(29);
    EXPECT_EQ(messages->texts(), QStringList{QStringLiteral("Procedura: GetPole - pole: 29 nieokreślone.")});
}

TEST_F(PitMTest, VerifyIdentificationAndRowsWithAnAmount)
{
    const int id = addTaxpayer(QStringLiteral("Nowak"), QString(),
                               {{QStringLiteral("NIP"), kNip}, {QStringLiteral("Pesel"), kPesel},
                                {QStringLiteral("DataUr"), QDate(1970, 3, 6)}});
    TPitM m;
    ASSERT_TRUE(m.Load(id, 0));
    type(m, 10, "1000.00"_zl);   // row 2: 11 and 14 left at 0
    type(m, 9, "5.00"_zl);       // row 1: 7 left at 0
    type(m, 16, Amount());       // row 3 all 0: nothing
    m.Verify();
    // No PESEL against birth date comparison on this form.
    const ErrorRows expected{{4, "Imię nie podane"},
                             {7, "Należy sprawdzić, czy pozycja nie powinna być wypełniona"},
                             {11, "Należy sprawdzić, czy pozycja nie powinna być wypełniona"},
                             {14, "Należy sprawdzić, czy pozycja nie powinna być wypełniona"}};
    EXPECT_EQ(errorRows(), expected);
}

}  // namespace
