// PIT-36L model through a real data folder: the business row from PIT/Z, PIT/B and PIT/ZG,
// lost deductions, the checks of boxes 22/23 and 34/35, and complete returns worked out by hand.

#include "FPit36L.h"
#include "TestEnv.h"
#include "test_pit36_cases.h"

namespace {

class Pit36LTest : public DataFolderTest {
protected:
    static void type(TPit36L& m, int box, Amount a)
    {
        m.SetEmpty(box, false);
        m.SetField(box, a);
    }
    QStringList errorsOn(int box) const
    {
        QStringList out;
        for (const TBlad& b : dm->BledyTbl->rows())
            if (b.NrPola == box) out << b.Opis;
        return out;
    }
};

TEST_F(Pit36LTest, LossesAboveIncomeNotedAndReported)
{
    const int id = addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"));
    TPit36L m;
    ASSERT_TRUE(m.Load(id));
    type(m, 29, "4000.00"_zl);
    type(m, 35, "300.00"_zl);
    EXPECT_EQ(m.Note(35).colour, int(ncNone));
    type(m, 34, "6000.00"_zl);
    EXPECT_EQ(m.GetPole(35), Amount());
    EXPECT_EQ(m.Source(35), "300.00"_zl);
    const QString note = QStringLiteral("Suma kwot z poz.34 i 35 nie może\rprzekroczyć sumy kwot z poz.26 i 31");
    EXPECT_EQ(m.Note(34).colour, int(ncRed));
    EXPECT_EQ(m.Note(34).text, note);
    EXPECT_EQ(m.Note(35).text, note);
    m.Verify();
    const QString row = QStringLiteral("Suma kwot z poz.34 i 35 przekracza sumę kwot z poz.26 i 31");
    EXPECT_EQ(errorsOn(34), QStringList{row});
    EXPECT_EQ(errorsOn(35), QStringList{row});
}

TEST_F(Pit36LTest, SquareAndYearOfEarlierExemptionGoTogether)
{
    const int id = addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"));
    struct Row {
        bool square;
        int year;
        bool on22, on23;
    };
    const Row rows[] = {{false, 0, false, false}, {true, 0, false, true}, {false, 2005, true, false},
                        {true, 2005, false, false}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.year);
        TPit36L m;
        ASSERT_TRUE(m.Load(id));
        m.P22 = r.square;
        m.SetRok23(r.year);
        m.Verify();
        EXPECT_EQ(errorsOn(22).size(), r.on22 ? 1 : 0);
        EXPECT_EQ(errorsOn(23),
                  r.on23 ? QStringList{QStringLiteral("Gdy zaznaczono kwadrat w poz.22 należy podać w poz.23 rok, "
                                                      "w którym korzystano ze zwolnienia")}
                         : QStringList());
        if (r.on22) {
            EXPECT_EQ(errorsOn(22)[0], QStringLiteral("Gdy wypełniono poz.23 należy zaznaczyć kwadrat w poz.22"));
        }
    }
}

TEST_F(Pit36LTest, YearAndCountsRefuseOutOfRange)
{
    const int id = addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"));
    {
        TPit36L m;
        ASSERT_TRUE(m.Load(id));
        m.SetRok23(2006);
        m.SetRok23(-1);
        m.SetLiczba(115, 3);
        m.SetLiczba(115, 100);
        m.SetLiczba(116, 99);
        m.SetLiczba(116, -1);
        EXPECT_EQ(m.Rok23(), 2006);
        EXPECT_EQ(m.Liczba(115), 3);
        EXPECT_EQ(m.Liczba(116), 99);
        EXPECT_TRUE(m.GetDruk(23));
        EXPECT_TRUE(m.GetDruk(115));
        m.P21 = true;
        m.Straty = QStringLiteral("2006 r.");
        ASSERT_TRUE(m.Save());
    }
    TPit36L m;
    ASSERT_TRUE(m.Load(id));
    EXPECT_EQ(m.Rok23(), 2006);
    EXPECT_EQ(m.Liczba(115), 3);
    EXPECT_EQ(m.Liczba(116), 99);
    EXPECT_TRUE(m.P21);
    EXPECT_EQ(m.Straty, QStringLiteral("2006 r."));
}

TEST_F(Pit36LTest, LostDeductionSettersRecalculate)
{
    const int id = addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"));
    TPit36L m;
    ASSERT_TRUE(m.Load(id));
    type(m, 29, "1000.00"_zl);
    type(m, 30, "4000.00"_zl);   // agricultural loss 3 000
    m.SetUtrataGosp("2000.00"_zl);
    EXPECT_EQ(m.GetPole(39), "2000.00"_zl);
    EXPECT_EQ(m.GetPole(44), "2000.00"_zl);
    m.SetUtrataRol("5000.00"_zl);
    EXPECT_EQ(m.GetPole(38), "7000.00"_zl);
    EXPECT_EQ(m.GetPole(41), "3000.00"_zl);
    EXPECT_EQ(m.GetPole(43), Amount());
    EXPECT_EQ(m.GetPole(39), "4000.00"_zl);
    EXPECT_TRUE(m.GetDruk(43));   // 41 shown
    m.SetUtrataRol("-1.00"_zl);
    EXPECT_EQ(m.UtrataRol(), "5000.00"_zl);
}

TEST_F(Pit36LTest, BusinessRowShownOnlyWithItsAttachments)
{
    const int plain = addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"));
    const int foreign = addTaxpayer(QStringLiteral("Kowal"), QStringLiteral("Jan"), {{QStringLiteral("PitZGPod"), 1}});
    TPit36L m;
    ASSERT_TRUE(m.Load(plain));
    EXPECT_FALSE(m.GetDruk(24));
    EXPECT_FALSE(m.GetDruk(48));
    ASSERT_TRUE(m.Load(foreign));
    EXPECT_TRUE(m.GetDruk(24));
    EXPECT_TRUE(m.GetDruk(48));
    EXPECT_EQ(m.GetPole(113), Amount::zloty(1));
}

TEST_F(Pit36LTest, CompleteReturnsWorkedOutByHand)
{
    returncases::checkReturns<TPit36L>(dm.get(), QStringLiteral("pit36l_returns.csv"), 10u, [this](const QString& name) {
        return addTaxpayer(name, QStringLiteral("Jan"), {{QStringLiteral("Glowny"), QStringLiteral("PIT-36L")}});
    });
    EXPECT_EQ(messages->count(), 0);
}

}  // namespace
