// PIT/Z through a real data folder: the computation, part B only for a PIT-36 filer, the
// stored derived boxes and the business row the main declarations read from them.

#include "FPitB.h"
#include "FPitZ.h"
#include "attach_fixture.h"

using namespace attachtest;

namespace {

class PitZTest : public AttachTest {};

TEST_F(PitZTest, AddBackOfTheExemption)
{
    const int id = addCouple(QStringLiteral("PIT-36"));
    TPitZ m;
    ASSERT_TRUE(m.Load(id, 0));
    // C.1 revenue 1000, costs 1500 -> loss 500; 20 % of the exempt year's income 800.
    type(m, 24, "1000.00"_zl);
    type(m, 25, "1500.00"_zl);
    type(m, 29, "800.00"_zl);
    struct Case { int box; Amount value; };
    const Case cases[] = {{26, "0.00"_zl},   {27, "500.00"_zl}, {30, "0.00"_zl},    {31, "300.00"_zl},
                          {32, "300.00"_zl}, {33, "1000.00"_zl}, {34, "1500.00"_zl}, {35, "300.00"_zl},
                          {36, "0.00"_zl}};
    for (const Case& c : cases) EXPECT_EQ(m.GetPole(c.box), c.value) << c.box;
    // With the add-back below the loss, the rest of the loss stays.
    type(m, 29, "200.00"_zl);
    EXPECT_EQ(m.GetPole(30), "300.00"_zl);
    EXPECT_EQ(m.GetPole(31), "0.00"_zl);
    EXPECT_EQ(m.GetPole(36), "300.00"_zl);
    EXPECT_TRUE(m.GetDruk(30));
    EXPECT_FALSE(m.GetDruk(26));
}

TEST_F(PitZTest, PartBRowsAndTheirCopies)
{
    const int id = addCouple(QStringLiteral("PIT-36"));
    TPitZ m;
    ASSERT_TRUE(m.Load(id, 0));
    EXPECT_FALSE(m.GetDruk(19));
    const std::pair<int, Amount> typed[] = {{7, "5000.00"_zl}, {8, "2000.00"_zl},  {11, "1000.00"_zl},
                                            {12, "1200.00"_zl}, {15, "4000.00"_zl}, {16, "800.00"_zl}};
    for (const auto& [box, a] : typed) type(m, box, a);
    struct Case { int box; Amount value; };
    const Case cases[] = {{9, "3000.00"_zl},  {10, "0.00"_zl},   {13, "0.00"_zl},    {14, "200.00"_zl},
                          {17, "3200.00"_zl}, {18, "0.00"_zl},   {19, "5000.00"_zl}, {20, "2000.00"_zl},
                          {21, "0.00"_zl},    {22, "200.00"_zl}, {23, "3200.00"_zl}};
    for (const Case& c : cases) EXPECT_EQ(m.GetPole(c.box), c.value) << c.box;
    EXPECT_TRUE(m.GetDruk(19));
}

TEST_F(PitZTest, PartBIsNotKeptForAnotherMainDeclaration)
{
    const int id = addCouple(QStringLiteral("PIT-36L"));
    ASSERT_TRUE(dm->PitZ->isEmpty());
    dm->PitZ->append();
    dm->PitZ->setValue(QStringLiteral("PodatId"), id);
    dm->PitZ->setValue(QStringLiteral("Rodz"), QStringLiteral("P"));
    dm->PitZ->setAmount(QStringLiteral("P7"), "100.00"_zl);
    dm->PitZ->setAmount(QStringLiteral("P24"), "50.00"_zl);
    dm->PitZ->post();
    TPitZ m;
    ASSERT_TRUE(m.Load(id, 0));
    EXPECT_EQ(m.GetPole(7), Amount());
    EXPECT_TRUE(m.GetEmpty(7));
    EXPECT_EQ(m.GetPole(24), "50.00"_zl);
    type(m, 8, "10.00"_zl);
    EXPECT_EQ(m.GetPole(8), Amount());
    ASSERT_TRUE(m.Save());
    ASSERT_TRUE(dm->PitZ->locate({QStringLiteral("PodatId"), QStringLiteral("Rodz")}, {id, QStringLiteral("P")}));
    for (const char* col : {"P7", "P8", "P19", "P20", "P23"}) EXPECT_TRUE(dm->PitZ->isNull(QLatin1String(col))) << col;
    EXPECT_EQ(dm->PitZ->asAmount(QStringLiteral("P33")), "50.00"_zl);
}

TEST_F(PitZTest, YearAcceptsOnlyZeroOrAfter2001)
{
    const int id = addCouple(QStringLiteral("PIT-36"));
    TPitZ m;
    ASSERT_TRUE(m.Load(id, 0));
    const std::pair<int, int> cases[] = {{2005, 2005}, {2001, 2005}, {1999, 2005}, {2002, 2002}, {0, 0}, {-3, 0}};
    for (const auto& [typed, kept] : cases) {
        m.SetRok(typed);
        EXPECT_EQ(m.Rok(), kept) << typed;
    }
    m.SetRok(2004);
    EXPECT_EQ(m.GetPole(28), "2004.00"_zl);
    EXPECT_TRUE(m.GetDruk(28));
    ASSERT_TRUE(m.Save());
    TPitZ r;
    ASSERT_TRUE(r.Load(id, 0));
    EXPECT_EQ(r.Rok(), 2004);
}

TEST_F(PitZTest, BlankAndZeroSurviveSaveAndLoad)
{
    const int id = addCouple(QStringLiteral("PIT-36"));
    {
        TPitZ m;
        ASSERT_TRUE(m.Load(id, 1));
        type(m, 7, Amount());
        type(m, 29, "0.00"_zl);
        type(m, 24, "10.00"_zl);
        ASSERT_TRUE(m.Save());
    }
    TPitZ m;
    ASSERT_TRUE(m.Load(id, 1));
    for (int box : {7, 24, 29}) EXPECT_FALSE(m.GetEmpty(box)) << box;
    for (int box : {8, 11, 25}) EXPECT_TRUE(m.GetEmpty(box)) << box;
    EXPECT_TRUE(m.GetDruk(7));
    EXPECT_TRUE(m.GetDruk(30));   // goes with box 29, filled with 0
    EXPECT_FALSE(m.GetDruk(8));
    EXPECT_TRUE(m.GetDruk(19));   // part B has a filled box
}

// The business row of PIT-36 and PIT-36L: boxes 33..36, or for PIT-36 boxes 19..23 when 33
// and 34 are both 0.
TEST_F(PitZTest, BusinessRowSources)
{
    struct Case {
        const char* name;
        Amount p7, p8, p15, p16, p24, p25;
        bool fallback;
        TPitZ::TWiersz row;
    };
    const Case cases[] = {
        {"C.1 filled", "5000.00"_zl, "1000.00"_zl, "0.00"_zl, "0.00"_zl, "800.00"_zl, "300.00"_zl, true,
         {"800.00"_zl, "300.00"_zl, "500.00"_zl, "0.00"_zl, "0.00"_zl}},
        {"C.1 empty, fallback", "5000.00"_zl, "1000.00"_zl, "3000.00"_zl, "500.00"_zl, "0.00"_zl, "0.00"_zl, true,
         {"5000.00"_zl, "1000.00"_zl, "0.00"_zl, "0.00"_zl, "2500.00"_zl}},
        {"C.1 empty, no fallback", "5000.00"_zl, "1000.00"_zl, "3000.00"_zl, "500.00"_zl, "0.00"_zl, "0.00"_zl, false,
         {"0.00"_zl, "0.00"_zl, "0.00"_zl, "0.00"_zl, "0.00"_zl}},
        {"C.1 loss", "0.00"_zl, "0.00"_zl, "0.00"_zl, "0.00"_zl, "100.00"_zl, "400.00"_zl, true,
         {"100.00"_zl, "400.00"_zl, "0.00"_zl, "300.00"_zl, "0.00"_zl}},
    };
    for (const Case& c : cases) {
        const int id = addCouple(QStringLiteral("PIT-36"));
        {
            TPitZ m;
            ASSERT_TRUE(m.Load(id, 0));
            type(m, 7, c.p7);
            type(m, 8, c.p8);
            type(m, 15, c.p15);
            type(m, 16, c.p16);
            type(m, 24, c.p24);
            type(m, 25, c.p25);
            ASSERT_TRUE(m.Save());
        }
        TPitZ::TWiersz w;
        ASSERT_TRUE(TPitZ::ReadWiersz(id, 0, c.fallback, &w)) << c.name;
        EXPECT_EQ(w.Przychod, c.row.Przychod) << c.name;
        EXPECT_EQ(w.Koszty, c.row.Koszty) << c.name;
        EXPECT_EQ(w.Dochod, c.row.Dochod) << c.name;
        EXPECT_EQ(w.Strata, c.row.Strata) << c.name;
        EXPECT_EQ(w.Zwolniony, c.row.Zwolniony) << c.name;
        EXPECT_FALSE(TPitZ::ReadWiersz(id, 1, c.fallback, &w)) << c.name;   // the spouse has none
    }
}

// The editor's buttons take the person's PIT/B totals over all attachments.
TEST_F(PitZTest, PitBTotalsInsertedAsTyped)
{
    const int id = addCouple(QStringLiteral("PIT-36"), {{QStringLiteral("PitBPod"), 2}, {QStringLiteral("PitBMal"), 1}});
    const std::tuple<int, int, int, Amount> typed[] = {{0, 1, 11, "1000.00"_zl}, {0, 1, 12, "300.00"_zl},
                                                       {0, 2, 17, "500.00"_zl},  {1, 1, 11, "70.00"_zl}};
    for (const auto& [person, nr, box, a] : typed) {
        TPitB b;
        ASSERT_TRUE(b.Load(id, person, nr));
        type(b, box, a);
        ASSERT_TRUE(b.Save());
    }
    TPitZ m;
    ASSERT_TRUE(m.Load(id, 0));
    m.InsertPitBTotals(24);
    EXPECT_EQ(m.GetPole(24), "1500.00"_zl);
    EXPECT_EQ(m.GetPole(25), "300.00"_zl);
    EXPECT_EQ(m.GetPole(26), "1200.00"_zl);
    m.InsertPitBTotals(7);
    EXPECT_EQ(m.GetPole(7), "1500.00"_zl);
    EXPECT_EQ(m.GetPole(8), "300.00"_zl);
    TPitZ s;
    ASSERT_TRUE(s.Load(id, 1));
    s.InsertPitBTotals(24);
    EXPECT_EQ(s.GetPole(24), "70.00"_zl);
    EXPECT_EQ(s.GetPole(25), "0.00"_zl);
    EXPECT_FALSE(s.GetEmpty(25));   // a total of 0 is filled in, not blank
}

TEST_F(PitZTest, VerifyChecksIdentificationOnly)
{
    const int id = addTaxpayer(QStringLiteral("Nowak"), QString(), {{QStringLiteral("NIP"), QStringLiteral("1234563219")}});
    TPitZ m;
    ASSERT_TRUE(m.Load(id, 0));
    type(m, 24, "100.00"_zl);
    m.Verify();
    const ErrorRows expected{{1, "Nieprawidłowy NIP"}, {4, "Imię nie podane"}, {5, "Data urodzenia nie podana"}};
    EXPECT_EQ(errorRows(), expected);
    EXPECT_EQ(m.Caption(), QStringLiteral("PIT/Z -  Nowak"));
}

}  // namespace
