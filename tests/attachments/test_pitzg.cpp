// PIT/ZG through a real data folder: the foreign-income records behind the income boxes, the
// section of the main declaration, totals over attachments and persons, blank versus 0;
// and the lost-relief records of Utrata.db.

#include "FPitZG.h"
#include "attach_fixture.h"

using namespace attachtest;

namespace {

class PitZGTest : public AttachTest {
protected:
    static void record(int id, int person, int nr, int pole, Amount revenue, Amount costs)
    {
        TZagranica z;
        z.Przychod = revenue;
        z.Koszty = costs;
        z.Save(id, person, nr, pole);
    }
};

TEST_F(PitZGTest, ForeignRecordsFeedTheirBoxesAndTheTotals)
{
    const int id = addCouple(QStringLiteral("PIT-36"), {{QStringLiteral("PitZGPod"), 1}});
    record(id, 0, 1, 9, "1000.00"_zl, "200.00"_zl);
    record(id, 0, 1, 13, "100.00"_zl, "150.00"_zl);   // a loss lowers the row-7 total
    record(id, 0, 1, 10, "300.00"_zl, "0.00"_zl);
    TPitZG m;
    ASSERT_TRUE(m.Load(id, 0, 1));
    type(m, 11, "50.00"_zl);
    type(m, 14, "7.50"_zl);
    struct Case { int box; Amount value; bool printed; };
    const Case cases[] = {
        {9, "800.00"_zl, true},   {10, "300.00"_zl, true},  {13, "-50.00"_zl, true},
        {16, "0.00"_zl, false},   {27, "800.00"_zl, true},  {28, "250.00"_zl, true},
        {29, "57.50"_zl, true},   {30, "0.00"_zl, false},   {33, "0.00"_zl, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(m.GetPole(c.box), c.value) << c.box;
        EXPECT_EQ(m.GetDruk(c.box), c.printed) << c.box;
    }
    EXPECT_EQ(m.Przychod(13), "100.00"_zl);
    EXPECT_EQ(m.Koszty(13), "150.00"_zl);
}

TEST_F(PitZGTest, RevenueAndCostSettersFollowTheAmountRules)
{
    const int id = addCouple(QStringLiteral("PIT-36"), {{QStringLiteral("PitZGPod"), 1}});
    TPitZG m;
    ASSERT_TRUE(m.Load(id, 0, 1));
    m.SetPrzychod(19, "400.00"_zl);
    m.SetKoszty(19, "100.00"_zl);
    EXPECT_EQ(m.GetPole(19), "300.00"_zl);
    EXPECT_EQ(m.GetPole(28), "300.00"_zl);
    m.SetKoszty(19, "-1.00"_zl);   // refused, the cost stays
    EXPECT_EQ(m.GetPole(19), "300.00"_zl);
    EXPECT_TRUE(messages->texts().isEmpty());
    m.SetPrzychod(11, "1.00"_zl);   // a typed box has no record
    ASSERT_EQ(messages->texts().size(), 1);
    EXPECT_EQ(messages->texts().first(), QStringLiteral("Procedura: SetPrzychod - pole: 11 nieokreślone."));
}

// Only the section of the main declaration is read; the others stay empty and are not printed.
TEST_F(PitZGTest, SectionOfTheMainDeclaration)
{
    struct Case { const char* glowny; int rodzaj; int income; int tax; };
    const Case cases[] = {{"PIT-36", TPitZG::rzPit36, 9, 11},
                          {"PIT-36L", TPitZG::rzPit36L, 30, 31},
                          {"PIT-38", TPitZG::rzPit38, 32, 33}};
    for (const Case& c : cases) {
        const int id = addCouple(QString::fromLatin1(c.glowny), {{QStringLiteral("PitZGPod"), 1}});
        for (int pole : {9, 30, 32}) record(id, 0, 1, pole, "100.00"_zl, "10.00"_zl);
        {
            TPitZG w;
            ASSERT_TRUE(w.Load(id, 0, 1));
            for (int box : {11, 31, 33}) type(w, box, "5.00"_zl);
            w.Kraj = QStringLiteral("Niemcy");
            ASSERT_TRUE(w.Save());
        }
        TPitZG m;
        ASSERT_TRUE(m.Load(id, 0, 1));
        EXPECT_EQ(m.Rodzaj(), c.rodzaj) << c.glowny;
        for (int box : {9, 11, 30, 31, 32, 33}) {
            const bool own = box == c.income || box == c.tax;
            EXPECT_EQ(m.GetPole(box), own ? (box == c.income ? "90.00"_zl : "5.00"_zl) : Amount())
                << c.glowny << " box " << box;
            EXPECT_EQ(m.GetDruk(box), own) << c.glowny << " box " << box;
            EXPECT_EQ(m.SectionAvailable(box), own) << c.glowny << " box " << box;
        }
        EXPECT_EQ(m.Kraj, QStringLiteral("Niemcy"));
    }
    EXPECT_EQ(TPitZG::SectionMessage(9),
              QStringLiteral("Pozycja jest dostępna tylko wtedy, gdy załącznik PIT/ZG\njest dołączany do zeznania PIT-36."));
    EXPECT_EQ(TPitZG::SectionMessage(31),
              QStringLiteral("Pozycja jest dostępna tylko wtedy, gdy załącznik PIT/ZG\njest dołączany do zeznania PIT-36L."));
    EXPECT_EQ(TPitZG::SectionMessage(32),
              QStringLiteral("Pozycja jest dostępna tylko wtedy, gdy załącznik PIT/ZG\njest dołączany do zeznania PIT-38."));
}

// Per box over the attachments 1..count of each person, as the main declarations add them up.
TEST_F(PitZGTest, SumsPerBoxOverAttachmentsAndPersons)
{
    const int id = addCouple(QStringLiteral("PIT-36"), {{QStringLiteral("PitZGPod"), 2}, {QStringLiteral("PitZGMal"), 1}});
    // person, attachment, box, revenue, costs, tax paid abroad typed into box 14
    struct Row { int person, nr, pole; Amount revenue, costs, tax; };
    const Row rows[] = {
        {0, 1, 13, "1000.00"_zl, "400.00"_zl, "60.00"_zl},
        {0, 2, 13, "500.00"_zl, "600.00"_zl, "15.00"_zl},
        {0, 2, 16, "70.00"_zl, "0.00"_zl, "15.00"_zl},
        {1, 1, 13, "300.00"_zl, "100.00"_zl, "20.00"_zl},
        {0, 3, 13, "9999.00"_zl, "0.00"_zl, "0.00"_zl},   // beyond the count: not counted
    };
    for (const Row& r : rows) {
        record(id, r.person, r.nr, r.pole, r.revenue, r.costs);
        TPitZG w;
        ASSERT_TRUE(w.Load(id, r.person, r.nr));
        type(w, 14, r.tax);
        ASSERT_TRUE(w.Save());
    }
    // expected: person, box, revenue sum, costs sum
    struct Sum { int person, pole; Amount revenue, costs; };
    const Sum sums[] = {{0, 13, "1500.00"_zl, "1000.00"_zl}, {0, 16, "70.00"_zl, "0.00"_zl},
                        {1, 13, "300.00"_zl, "100.00"_zl},   {1, 16, "0.00"_zl, "0.00"_zl}};
    for (const Sum& s : sums) {
        const int count = s.person == 0 ? 2 : 1;
        EXPECT_EQ(dm->SumForeignIncome(id, s.person, count, s.pole), s.revenue) << s.person << "/" << s.pole;
        EXPECT_EQ(dm->SumForeignCosts(id, s.person, count, s.pole), s.costs) << s.person << "/" << s.pole;
    }
    // Boxes 27..29 of each attachment, and box 29 summed over the person's attachments.
    struct Box { int person, nr; Amount p28, p29; };
    const Box boxes[] = {{0, 1, "600.00"_zl, "60.00"_zl}, {0, 2, "-30.00"_zl, "15.00"_zl}, {1, 1, "200.00"_zl, "20.00"_zl}};
    Amount tax[2];
    for (const Box& b : boxes) {
        TPitZG m;
        ASSERT_TRUE(m.Load(id, b.person, b.nr));
        EXPECT_EQ(m.LiczbaZal(), b.person == 0 ? 2 : 1);
        EXPECT_EQ(m.GetPole(28), b.p28) << b.person << "/" << b.nr;
        EXPECT_EQ(m.GetPole(29), b.p29) << b.person << "/" << b.nr;
        tax[b.person] += m.GetPole(29);
    }
    EXPECT_EQ(tax[0], "75.00"_zl);
    EXPECT_EQ(tax[1], "20.00"_zl);
}

TEST_F(PitZGTest, BlankAndZeroSurviveSaveAndLoad)
{
    const int id = addCouple(QStringLiteral("PIT-36"), {{QStringLiteral("PitZGPod"), 1}});
    {
        TPitZG m;
        ASSERT_TRUE(m.Load(id, 0, 1));
        type(m, 11, Amount());        // 0 typed
        type(m, 12, "12.34"_zl);
        ASSERT_TRUE(m.Save());
    }
    TPitZG m;
    ASSERT_TRUE(m.Load(id, 0, 1));
    EXPECT_FALSE(m.GetEmpty(11));
    EXPECT_TRUE(m.GetDruk(11));
    EXPECT_FALSE(m.GetEmpty(12));
    EXPECT_EQ(m.GetPole(12), "12.34"_zl);
    EXPECT_TRUE(m.GetEmpty(14));
    EXPECT_FALSE(m.GetDruk(14));
    EXPECT_TRUE(dm->PitZG->locate({QStringLiteral("PodatId"), QStringLiteral("Rodz"), QStringLiteral("NrZal")},
                                  {id, QStringLiteral("P"), 1}));
    EXPECT_FALSE(dm->PitZG->isNull(QStringLiteral("P11")));
    EXPECT_TRUE(dm->PitZG->isNull(QStringLiteral("P14")));
}

TEST_F(PitZGTest, SpouseIdentificationGoesBackToTheSpouseFields)
{
    const int id = addCouple(QStringLiteral("PIT-36"), {{QStringLiteral("PitZGMal"), 1}});
    TPitZG m;
    ASSERT_TRUE(m.Load(id, 1, 1));
    EXPECT_EQ(m.Caption(), QStringLiteral("PIT/ZG [1] - Anna Nowak"));
    EXPECT_EQ(m.Rodz(), QStringLiteral("M"));
    m.SetNip(QStringLiteral("123"));
    EXPECT_EQ(m.Note(1).text, QStringLiteral("Nieprawidłowy NIP"));
    m.SetImie(QStringLiteral("Ewa"));
    ASSERT_TRUE(m.Save());
    ASSERT_TRUE(dm->Podatnik->locate(QStringLiteral("PodatId"), id));
    EXPECT_EQ(dm->Podatnik->asString(QStringLiteral("MImie")), QStringLiteral("Ewa"));
    EXPECT_EQ(dm->Podatnik->asString(QStringLiteral("MNIP")), QStringLiteral("123"));
    EXPECT_EQ(dm->Podatnik->asString(QStringLiteral("Imie")), QStringLiteral("Jan"));
}

TEST_F(PitZGTest, VerifyUsesTheTaxpayerMessagesAndTheCountry)
{
    const int id = addTaxpayer(QString(), QString(), {{QStringLiteral("Glowny"), QStringLiteral("PIT-38")},
                                                      {QStringLiteral("DataUr"), QDate(2000, 1, 1)}});
    TPitZG m;
    ASSERT_TRUE(m.Load(id, 0, 1));
    m.Kraj = QStringLiteral("  ");
    m.Verify();
    const ErrorRows expected{{1, "NIP podatnika nie podany"},
                             {3, "Nazwisko podatnika nie podane"},
                             {4, "Imię podatnika nie podane"},
                             {5, "Data urodzenia [01-01-2000] poprawna?"},
                             {7, "Państwo uzyskania dochodu nie podane"}};
    EXPECT_EQ(errorRows(), expected);
}

TEST_F(PitZGTest, MissingTaxpayerWarnsAndLeavesAnEmptyModel)
{
    TPitZG m;
    EXPECT_FALSE(m.Load(999, 0, 1));
    ASSERT_EQ(messages->texts().size(), 1);
    EXPECT_EQ(messages->texts().first(), QStringLiteral("Brak podatnika [PodatId = [999]."));
    EXPECT_FALSE(m.Save());
}

// ---- Foreign-income and lost-relief records ---------------------------------------------------

TEST_F(PitZGTest, ForeignRecordKeepsBlankAmountsAndIsEditedInPlace)
{
    TZagranica z;
    EXPECT_FALSE(z.Load(7, 0, 1, 9));
    EXPECT_FALSE(z.Przychod.has_value());
    z.Przychod = "100.00"_zl;
    z.Save(7, 0, 1, 9);
    TZagranica r;
    ASSERT_TRUE(r.Load(7, 0, 1, 9));
    EXPECT_EQ(r.Przychod, OptAmount("100.00"_zl));
    EXPECT_FALSE(r.Koszty.has_value());
    EXPECT_EQ(r.Dochod(), "100.00"_zl);
    r.Koszty = "150.00"_zl;
    r.Save(7, 0, 1, 9);
    EXPECT_EQ(dm->Zagranica->recordCount(), 1);
    ASSERT_TRUE(z.Load(7, 0, 1, 9));
    EXPECT_EQ(z.Dochod(), "-50.00"_zl);
    EXPECT_FALSE(z.Load(7, 1, 1, 9));   // the spouse's record is another one
}

TEST_F(PitZGTest, ForeignSumsLeaveTheTableOnItsRow)
{
    for (int nr = 1; nr <= 3; ++nr) record(5, 0, nr, 13, "10.00"_zl, "1.00"_zl);
    TTable* t = dm->Zagranica;
    ASSERT_TRUE(t->moveTo(2));
    const qint64 row = t->bookmark();
    EXPECT_EQ(dm->SumForeignIncome(5, 0, 3, 13), "30.00"_zl);
    EXPECT_EQ(t->bookmark(), row);
    EXPECT_EQ(dm->SumForeignCosts(5, 0, 3, 13), "3.00"_zl);
    EXPECT_EQ(t->bookmark(), row);
    EXPECT_EQ(dm->SumForeignIncome(5, 0, 0, 13), Amount());
    EXPECT_EQ(t->bookmark(), row);
    // A failing sum (the table's file lost its table) does not move the row either.
    t->exec(QStringLiteral("ALTER TABLE Zagranica RENAME TO Zagranica_old"));
    EXPECT_THROW(dm->SumForeignIncome(5, 0, 3, 13), DbError);
    EXPECT_EQ(t->bookmark(), row);
}

TEST_F(PitZGTest, LostReliefRecordPerPerson)
{
    TUtrata u;
    EXPECT_FALSE(u.Load(3, 0));
    EXPECT_EQ(u.Gosp, Amount());
    u.Gosp = "1200.00"_zl;
    u.Rol = "35.50"_zl;
    u.Save(3, 1);
    u.Gosp = "1.00"_zl;
    u.Save(3, 1);   // edited, not a second row
    EXPECT_EQ(dm->Utrata->recordCount(), 1);
    TUtrata r;
    EXPECT_FALSE(r.Load(3, 0));
    ASSERT_TRUE(r.Load(3, 1));
    EXPECT_EQ(r.Gosp, "1.00"_zl);
    EXPECT_EQ(r.Rol, "35.50"_zl);
    EXPECT_EQ(TUtrata::Caption(0), QStringLiteral("Podatnik - utrata prawa do odliczeń lub zwolnienia"));
    EXPECT_EQ(TUtrata::Caption(1), QStringLiteral("Małżonek - utrata prawa do odliczeń lub zwolnienia"));
}

}  // namespace
