// PIT/B through a real data folder: partnership shares, part D over the person's attachments,
// the business totals of the data module, blank versus 0, notes and checks.

#include "FPitB.h"
#include "attach_fixture.h"

using namespace attachtest;

namespace {

class PitBTest : public AttachTest {
protected:
    int addWithCounts(int pod, int mal)
    {
        return addCouple(QStringLiteral("PIT-36"), {{QStringLiteral("PitBPod"), pod}, {QStringLiteral("PitBMal"), mal}});
    }
    // Saves one attachment with the typed amounts given as (box, amount).
    static void saveAttachment(int id, int person, int nr, std::initializer_list<std::pair<int, Amount>> amounts)
    {
        TPitB m;
        ASSERT_TRUE(m.Load(id, person, nr));
        for (const auto& [box, a] : amounts) type(m, box, a);
        ASSERT_TRUE(m.Save());
    }
    static bool orange(const TPitB& m, int box) { return m.Note(box).shown && m.Note(box).colour != ncNone; }
};

// The person's part follows the share and the partnership's amount while it still equals the
// share-derived value; typed by hand it stays and gets the note.
TEST_F(PitBTest, PartnershipShares)
{
    const int id = addWithCounts(1, 0);
    TPitB m;
    ASSERT_TRUE(m.Load(id, 0, 1));
    struct Step { int box; Amount typed; Amount part26; bool note26; Amount part28; };
    const Step steps[] = {
        {21, "33.3333"_zl, "0.00"_zl, false, "0.00"_zl},
        {25, "900.00"_zl, "300.00"_zl, false, "0.00"_zl},     // 299.9997 -> 300.00
        {27, "90.00"_zl, "300.00"_zl, false, "30.00"_zl},     // 29.99997 -> 30.00
        {21, "50"_zl, "450.00"_zl, false, "45.00"_zl},
        {21, "100.0001"_zl, "450.00"_zl, false, "45.00"_zl},  // above 100 %: refused
        {26, "400.00"_zl, "400.00"_zl, true, "45.00"_zl},     // typed by hand
        {21, "20"_zl, "400.00"_zl, true, "18.00"_zl},         // the hand-typed part stays
        {25, "1000.00"_zl, "400.00"_zl, true, "18.00"_zl},
        {21, "100"_zl, "400.00"_zl, true, "90.00"_zl},
    };
    for (const Step& s : steps) {
        type(m, s.box, s.typed);
        EXPECT_EQ(m.GetPole(26), s.part26) << s.box << " = " << s.typed.toString().toStdString();
        EXPECT_EQ(orange(m, 26), s.note26) << s.box << " = " << s.typed.toString().toStdString();
        EXPECT_EQ(m.GetPole(28), s.part28) << s.box << " = " << s.typed.toString().toStdString();
        EXPECT_FALSE(orange(m, 28));
    }
    EXPECT_EQ(m.GetPole(21), "100.00"_zl);
    EXPECT_EQ(m.Note(26).text, QStringLiteral("Kwota różna od wartości wynikającej z udziału"));
    EXPECT_EQ(m.Note(26).colour, 37 << 16 | 148 << 8 | 255);
    EXPECT_EQ(m.GetPole(29), "910.00"_zl);   // 1000 - 90
    EXPECT_EQ(m.GetPole(30), "310.00"_zl);   // 400 - 90
    // The same rules hold for the second and third partnership.
    type(m, 32, "25"_zl);
    type(m, 38, "200.00"_zl);
    type(m, 43, "10"_zl);
    type(m, 47, "55.55"_zl);
    EXPECT_EQ(m.GetPole(39), "50.00"_zl);
    EXPECT_EQ(m.GetPole(48), "5.56"_zl);   // 5.555 rounds up
    EXPECT_EQ(m.GetPole(41), "-50.00"_zl);
    // The parts count in the attachment's totals, the partnership's own amounts do not.
    EXPECT_EQ(m.Przychod(), "405.56"_zl);
    EXPECT_EQ(m.Koszty(), "140.00"_zl);
}

TEST_F(PitBTest, StoredPartsLoadAsSaved)
{
    const int id = addWithCounts(1, 0);
    saveAttachment(id, 0, 1, {{21, "50"_zl}, {25, "900.00"_zl}, {26, "400.00"_zl}, {27, "100.00"_zl}});
    TPitB m;
    ASSERT_TRUE(m.Load(id, 0, 1));
    EXPECT_EQ(m.GetPole(26), "400.00"_zl);
    EXPECT_TRUE(orange(m, 26));
    EXPECT_EQ(m.GetPole(28), "50.00"_zl);
    EXPECT_FALSE(orange(m, 28));
}

// Part D on the last of three attachments adds up every attachment's stored amounts; on the
// others it is 0 and not printed.
TEST_F(PitBTest, PartDOnTheLastOfThreeAttachments)
{
    const int id = addWithCounts(3, 1);
    saveAttachment(id, 0, 1, {{11, "1000.00"_zl}, {12, "400.00"_zl}});
    saveAttachment(id, 0, 2, {{17, "500.00"_zl}, {18, "1500.00"_zl}, {21, "50"_zl}, {25, "300.00"_zl}});
    saveAttachment(id, 1, 1, {{11, "7777.00"_zl}});   // the spouse's: not counted
    TPitB m;
    ASSERT_TRUE(m.Load(id, 0, 3));
    type(m, 11, "200.00"_zl);
    type(m, 12, "50.00"_zl);
    // revenue 1000 + (500 + 150) + 200, costs 400 + 1500 + 50
    struct Case { int box; Amount value; bool printed; };
    const Case last[] = {{53, "1850.00"_zl, true}, {54, "1950.00"_zl, true}, {55, "0.00"_zl, false}, {56, "100.00"_zl, true}};
    for (const Case& c : last) {
        EXPECT_EQ(m.GetPole(c.box), c.value) << c.box;
        EXPECT_EQ(m.GetDruk(c.box), c.printed) << c.box;
    }
    for (int nr : {1, 2}) {
        TPitB o;
        ASSERT_TRUE(o.Load(id, 0, nr));
        for (int box = 53; box <= 56; ++box) {
            EXPECT_EQ(o.GetPole(box), Amount()) << nr << "/" << box;
            EXPECT_FALSE(o.GetDruk(box)) << nr << "/" << box;
        }
    }
    // The spouse's only attachment is her last.
    TPitB s;
    ASSERT_TRUE(s.Load(id, 1, 1));
    EXPECT_EQ(s.GetPole(53), "7777.00"_zl);
    EXPECT_EQ(s.GetPole(55), "7777.00"_zl);
    EXPECT_EQ(s.Caption(), QStringLiteral("PIT/B [1] - Anna Nowak"));
}

TEST_F(PitBTest, SingleAttachmentWithALoss)
{
    const int id = addWithCounts(1, 0);
    TPitB m;
    ASSERT_TRUE(m.Load(id, 0, 1));
    type(m, 11, "1000.00"_zl);
    type(m, 12, "1500.00"_zl);
    EXPECT_EQ(m.GetPole(13), "-500.00"_zl);
    EXPECT_EQ(m.GetPole(55), "0.00"_zl);
    EXPECT_EQ(m.GetPole(56), "500.00"_zl);
    EXPECT_FALSE(m.GetDruk(55));
    EXPECT_TRUE(m.GetDruk(56));
    EXPECT_TRUE(m.GetDruk(13));
    EXPECT_FALSE(m.GetDruk(19));
    type(m, 12, "-1.00"_zl);   // refused
    EXPECT_EQ(m.GetPole(12), "1500.00"_zl);
}

// The totals of the main declarations, per person, leaving out one attachment when asked.
TEST_F(PitBTest, BusinessTotalsOfAPerson)
{
    const int id = addWithCounts(3, 1);
    saveAttachment(id, 0, 1, {{11, "100.00"_zl}, {12, "10.00"_zl}});
    saveAttachment(id, 0, 2, {{17, "200.00"_zl}, {18, "20.00"_zl}, {43, "10"_zl}, {47, "1000.00"_zl}, {49, "500.00"_zl}});
    saveAttachment(id, 0, 3, {{11, "300.00"_zl}});
    saveAttachment(id, 1, 1, {{11, "5.00"_zl}, {12, "1.00"_zl}});
    saveAttachment(id, 1, 2, {{11, "9999.00"_zl}});   // beyond the spouse's count
    struct Case { int person, skip; Amount revenue, costs; };
    const Case cases[] = {{0, 0, "700.00"_zl, "80.00"_zl}, {0, 2, "400.00"_zl, "10.00"_zl},
                          {0, 3, "400.00"_zl, "80.00"_zl}, {1, 0, "5.00"_zl, "1.00"_zl},
                          {1, 1, "0.00"_zl, "0.00"_zl}};
    for (const Case& c : cases) {
        EXPECT_EQ(dm->SumPitBIncome(id, c.person, c.skip), c.revenue) << c.person << " skip " << c.skip;
        EXPECT_EQ(dm->SumPitBCosts(id, c.person, c.skip), c.costs) << c.person << " skip " << c.skip;
    }
    EXPECT_EQ(dm->SumPitBIncome(999, 0, 0), Amount());   // no such taxpayer
    EXPECT_TRUE(messages->texts().isEmpty());
}

TEST_F(PitBTest, BusinessTotalsLeaveTheTablesOnTheirRows)
{
    const int other = addWithCounts(1, 0);
    const int id = addWithCounts(2, 0);
    saveAttachment(other, 0, 1, {{11, "1.00"_zl}});
    saveAttachment(id, 0, 1, {{11, "100.00"_zl}});
    saveAttachment(id, 0, 2, {{11, "200.00"_zl}});
    TTable* t = dm->PitB;
    ASSERT_TRUE(t->locate({QStringLiteral("PodatId"), QStringLiteral("Rodz"), QStringLiteral("NrZal")},
                          {other, QStringLiteral("P"), 1}));
    const qint64 row = t->bookmark();
    ASSERT_TRUE(dm->Podatnik->locate(QStringLiteral("PodatId"), other));
    const qint64 taxpayer = dm->Podatnik->bookmark();
    EXPECT_EQ(dm->SumPitBIncome(id, 0, 0), "300.00"_zl);
    EXPECT_EQ(t->bookmark(), row);
    EXPECT_EQ(dm->SumPitBCosts(id, 0, 1), Amount());
    EXPECT_EQ(t->bookmark(), row);
    EXPECT_EQ(dm->Podatnik->bookmark(), taxpayer);
    // Part D of a loaded attachment asks for the same sums: the row stays too.
    TPitB m;
    ASSERT_TRUE(m.Load(id, 0, 2));
    ASSERT_TRUE(t->locate({QStringLiteral("PodatId"), QStringLiteral("Rodz"), QStringLiteral("NrZal")},
                          {other, QStringLiteral("P"), 1}));
    type(m, 12, "5.00"_zl);
    EXPECT_EQ(m.GetPole(53), "300.00"_zl);
    EXPECT_EQ(t->bookmark(), row);
    // A failure on the way (the register's file lost its table) still puts the row back.
    dm->Podatnik->exec(QStringLiteral("ALTER TABLE Podatnik RENAME TO Podatnik_old"));
    EXPECT_THROW(dm->SumPitBIncome(id, 0, 0), DbError);
    EXPECT_EQ(t->bookmark(), row);
}

TEST_F(PitBTest, BlankAndZeroSurviveSaveAndLoad)
{
    const int id = addWithCounts(1, 0);
    {
        TPitB m;
        ASSERT_TRUE(m.Load(id, 0, 1));
        type(m, 11, Amount());
        type(m, 25, "0.00"_zl);
        m.SetTekst(8, QStringLiteral("Handel"));
        m.SetTekst(20, QStringLiteral("Spółka jawna X"));
        ASSERT_TRUE(m.Save());
    }
    TPitB m;
    ASSERT_TRUE(m.Load(id, 0, 1));
    for (int box : {11, 25}) EXPECT_FALSE(m.GetEmpty(box)) << box;
    for (int box : {12, 17, 21, 26, 50}) EXPECT_TRUE(m.GetEmpty(box)) << box;
    EXPECT_TRUE(m.GetEmpty(13));   // derived: counts as empty
    EXPECT_TRUE(m.GetDruk(11));
    EXPECT_TRUE(m.GetDruk(25));
    EXPECT_FALSE(m.GetDruk(21));   // share 0
    EXPECT_FALSE(m.GetDruk(17));
    EXPECT_EQ(m.Tekst(8), QStringLiteral("Handel"));
    EXPECT_EQ(m.Tekst(20), QStringLiteral("Spółka jawna X"));
    ASSERT_TRUE(dm->PitB->locate({QStringLiteral("PodatId"), QStringLiteral("Rodz"), QStringLiteral("NrZal")},
                                 {id, QStringLiteral("P"), 1}));
    EXPECT_FALSE(dm->PitB->isNull(QStringLiteral("P11")));
    EXPECT_TRUE(dm->PitB->isNull(QStringLiteral("P12")));
}

TEST_F(PitBTest, UndefinedBoxesWarnWithTheirOperation)
{
    const int id = addWithCounts(1, 0);
    TPitB m;
    ASSERT_TRUE(m.Load(id, 0, 1));
    m.SetField(13, "1.00"_zl);
    EXPECT_EQ(m.GetPole(57), Amount());
    EXPECT_FALSE(m.GetDruk(10));
    const QStringList expected{QStringLiteral("Procedura: PIT/B SetField - pole: 13 nieokreślone."),
                               QStringLiteral("Procedura: GetPole - pole: 57 nieokreślone."),
                               QStringLiteral("Procedura: GetDruk - pole: 10 nieokreślone.")};
    EXPECT_EQ(messages->texts(), expected);
}

TEST_F(PitBTest, NotesOfNumbersAndDates)
{
    const int id = addWithCounts(1, 0);
    TPitB m;
    ASSERT_TRUE(m.Load(id, 0, 1));
    m.SetTekst(22, QStringLiteral("1234563219"));
    m.SetTekst(9, QStringLiteral("123456789"));
    m.SetTekst(23, QString());
    EXPECT_EQ(m.Note(22).text, QStringLiteral("Nieprawidłowy NIP"));
    EXPECT_EQ(m.Note(9).text, QStringLiteral("Nieprawidłowy REGON"));
    EXPECT_FALSE(m.Note(23).shown);
    m.SetDataUr(QDate(1970, 3, 6));
    EXPECT_EQ(m.Note(7).text, QStringLiteral("Niezgodność data urodzenia - PESEL"));
    EXPECT_EQ(m.Note(6).text, QStringLiteral("Niezgodność data urodzenia - PESEL"));
    m.SetDataUr(kBorn);
    EXPECT_FALSE(m.Note(6).shown);
}

TEST_F(PitBTest, VerifyChecksTheIdentificationAndThePartsWithData)
{
    const int id = addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"),
                               {{QStringLiteral("PitBPod"), 1}, {QStringLiteral("Pesel"), kPesel},
                                {QStringLiteral("DataUr"), QDate(1970, 3, 6)}});
    TPitB m;
    ASSERT_TRUE(m.Load(id, 0, 1));
    m.SetTekst(8, QStringLiteral("Usługi"));            // B.1 has data, REGON empty
    m.SetTekst(15, QStringLiteral("123456789"));        // B.2 has data, wrong REGON
    type(m, 43, "10"_zl);                                // C.3 has data
    m.SetTekst(44, QStringLiteral("123-456-32-18"));
    m.SetTekst(45, QStringLiteral("12345678"));
    m.Verify();
    const ErrorRows expected{
        {1, "NIP nie podany"},
        {6, "Niezgodność PESEL - data urodzenia"},
        {7, "Niezgodność PESEL - data urodzenia"},
        {9, "REGON nie podany"},
        {10, "Miejsce prowadzenia działalności nie podane"},
        {14, "Rodzaj działalności nie podany"},
        {15, "Nieprawidłowy REGON"},
        {16, "Miejsce prowadzenia działalności nie podane"},
        {42, "Nazwa spółki nie podana"},
        {45, "Nieprawidłowy REGON spółki"},
        {46, "Miejsce prowadzenia działalności spółki nie podane"},
    };
    EXPECT_EQ(errorRows(), expected);
    // Without any B.1 and partnership data nothing of them is checked; a share of 0 is.
    TPitB e;
    ASSERT_TRUE(e.Load(id, 0, 1));
    e.SetTekst(20, QStringLiteral("Spółka"));
    e.Verify();
    const ErrorRows partnership{
        {1, "NIP nie podany"},
        {6, "Niezgodność PESEL - data urodzenia"},
        {7, "Niezgodność PESEL - data urodzenia"},
        {21, "Udział podatnika w przychodach spółki nie podany"},
        {22, "NIP spółki nie podany"},
        {23, "REGON spółki nie podany"},
        {24, "Miejsce prowadzenia działalności spółki nie podane"},
    };
    EXPECT_EQ(errorRows(), partnership);
}

}  // namespace
