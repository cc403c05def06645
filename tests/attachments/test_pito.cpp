// PIT/O through a real data folder: limits (notes and Verify rows), attachment numbers,
// joint mode, children, donees and the rehabilitation worksheet.

#include "FPitO.h"
#include "FormTestHelpers.h"
#include "TestEnv.h"

namespace {

using Rows = ErrorRows;

class PitOTest : public DataFolderTest {
protected:
    int addPerson(int method = 0, const QString& glowny = QStringLiteral("PIT-37"), QVariantMap more = {})
    {
        QVariantMap m{{QStringLiteral("Sposob"), method},
                      {QStringLiteral("Glowny"), glowny},
                      {QStringLiteral("PitO"), 2},
                      {QStringLiteral("NIP"), QStringLiteral("123-456-32-18")},
                      {QStringLiteral("DataUr"), QDate(1980, 4, 30)},
                      {QStringLiteral("Pesel"), QStringLiteral("80043012343")},
                      {QStringLiteral("MNIP"), QStringLiteral("526-000-12-46")},
                      {QStringLiteral("MNazwisko"), QStringLiteral("Nowak")},
                      {QStringLiteral("MImie"), QStringLiteral("Anna")},
                      {QStringLiteral("MDataUr"), QDate(1982, 1, 15)},
                      {QStringLiteral("MPesel"), QString()}};
        for (auto it = more.begin(); it != more.end(); ++it) m[it.key()] = it.value();
        return addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"), m);
    }
    static void type(TFormularz& m, int box, Amount a) { TypeBox(m, box, a); }
    // The rows of the error list outside identification (box 13 and above).
    Rows amountRows() const { return ErrorListRows(*dm, 13); }
};

TEST_F(PitOTest, InternetLimit)
{
    TPitO o;
    ASSERT_TRUE(o.Load(addPerson(), 1));
    type(o, 21, "760.00"_zl);
    EXPECT_FALSE(o.Note(21).shown);
    o.Verify();
    EXPECT_EQ(amountRows(), Rows{});
    type(o, 21, "760.01"_zl);
    EXPECT_EQ(o.Note(21).colour, int(ncRed));
    EXPECT_EQ(o.Note(21).text, QStringLiteral("Limit odliczeń = 760,00 zł"));
    o.Verify();
    EXPECT_EQ(amountRows(), (Rows{{21, QStringLiteral("Kwota przekracza dopuszczalny limit odliczeń [760 zł]")}}));
    EXPECT_EQ(o.GetPole(28), "760.01"_zl);   // the limit never changes the amount
}

TEST_F(PitOTest, ChildReliefLimit)
{
    struct Case {
        int method;
        Amount p35, p36;
        Rows rows;
    };
    const QString one = QStringLiteral("Kwota odliczenia przekracza dopuszczalne odliczenie = 2 347,40 zł");
    const QString both = QStringLiteral("Suma odliczeń podatnika i małżonka przekracza dopuszczalne odliczenie = 2 347,40 zł");
    const Case cases[] = {
        {0, "2347.40"_zl, Amount(), {}},
        {0, "2347.41"_zl, Amount(), {{35, one}}},
        {1, "2000.00"_zl, "347.40"_zl, {}},
        {1, "2000.00"_zl, "347.41"_zl, {{35, both}, {36, both}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.method << " " << c.p35.toString().toStdString());
        TPitO o;
        ASSERT_TRUE(o.Load(addPerson(c.method), 1));
        o.SetLiczbaDzieci(2);
        type(o, 35, c.p35);
        if (c.method == 1) type(o, 36, c.p36);
        o.Verify();
        EXPECT_EQ(amountRows(), c.rows);
        EXPECT_EQ(o.Note(35).shown, !c.rows.isEmpty());
        EXPECT_EQ(o.GetPole(42), c.p35);
        EXPECT_EQ(o.GetPole(43), c.method == 1 ? c.p36 : Amount());
    }
}

TEST_F(PitOTest, ChildReliefWithoutChildren)
{
    TPitO o;
    ASSERT_TRUE(o.Load(addPerson(), 1));
    type(o, 35, "5000.00"_zl);
    o.Verify();
    EXPECT_EQ(amountRows(), (Rows{{34, QStringLiteral("Liczba dzieci nie podana")}}));
    EXPECT_FALSE(o.Note(35).shown);
}

TEST_F(PitOTest, PartsBAndCCheckedOnAttachmentOneOnly)
{
    TPitO o;
    ASSERT_TRUE(o.Load(addPerson(), 2));
    type(o, 21, "900.00"_zl);
    o.SetLiczbaDzieci(1);
    type(o, 35, "2000.00"_zl);
    EXPECT_TRUE(o.Note(21).shown);
    EXPECT_TRUE(o.Note(35).shown);
    o.Verify();
    EXPECT_EQ(amountRows(), Rows{});
    EXPECT_FALSE(o.GetDruk(21));
    EXPECT_FALSE(o.GetDruk(28));
    EXPECT_EQ(o.Caption(), QStringLiteral("PIT/O [2] - Jan Nowak"));
}

TEST_F(PitOTest, OtherReliefsAndDonees)
{
    TPitO o;
    ASSERT_TRUE(o.Load(addPerson(1), 1));
    type(o, 27, "100.00"_zl);
    o.SetTekst(39, QStringLiteral("ulga"));
    o.SetTekst(46, QStringLiteral("Kraków"));
    o.Verify();
    EXPECT_EQ(amountRows(), (Rows{{25, QStringLiteral("Rodzaj odliczenia nie podany")},
                                  {40, QStringLiteral("Kwota odliczenia nie podana (poz.40 i/lub 41)")},
                                  {44, QStringLiteral("Nazwa pełna nie podana")},
                                  {45, QStringLiteral("Nazwa kraju nie podana")},
                                  {47, QStringLiteral("Nazwa ulicy nie podana")},
                                  {50, QStringLiteral("Kod pocztowy nie podany")},
                                  {52, QStringLiteral("Kwota przekazanej darowizny nie podana (poz.52 lub 53)")}}));
}

TEST_F(PitOTest, IndividualFilerHasNoSpouseColumn)
{
    const int id = addPerson(0);
    TPitO o;
    ASSERT_TRUE(o.Load(id, 1));
    EXPECT_FALSE(o.JointMode());
    EXPECT_EQ(o.Id().Text(10), QString());   // the spouse's register data are not read
    o.Id().SetText(10, QStringLiteral("Ewa"));
    ASSERT_TRUE(o.Save());
    ASSERT_TRUE(dm->Podatnik->locate(QStringLiteral("PodatId"), id));
    EXPECT_EQ(dm->Podatnik->asString(QStringLiteral("MImie")), QStringLiteral("Anna"));

    TPitO joint;
    ASSERT_TRUE(joint.Load(addPerson(2), 1));
    EXPECT_TRUE(joint.JointMode());
    EXPECT_EQ(joint.Id().Text(10), QStringLiteral("Anna"));
    TPitO pit28;
    ASSERT_TRUE(pit28.Load(addPerson(1, QStringLiteral("PIT-28")), 1));
    EXPECT_FALSE(pit28.JointMode());
    EXPECT_EQ(pit28.MainKind(), 28);
}

// Spouse amounts stay stored when the main declaration stops being joint, and count again
// once it is joint; while not joint they are not in the totals, printed or checked.
TEST_F(PitOTest, SpouseAmountsKeptWhileJointModeIsOff)
{
    const int id = addPerson(1);
    {
        TPitO o;
        ASSERT_TRUE(o.Load(id, 1));
        type(o, 14, "300.00"_zl);
        type(o, 22, "900.00"_zl);
        ASSERT_TRUE(o.Save());
    }
    auto setMethod = [&](int m) {
        dm->Podatnik->locate(QStringLiteral("PodatId"), id);
        dm->Podatnik->edit();
        dm->Podatnik->setValue(QStringLiteral("Sposob"), m);
        dm->Podatnik->post();
    };
    setMethod(0);
    {
        TPitO o;
        ASSERT_TRUE(o.Load(id, 1));
        EXPECT_EQ(o.GetPole(29), Amount());
        EXPECT_FALSE(o.GetDruk(14));
        EXPECT_FALSE(o.Note(22).shown);
        o.Verify();
        EXPECT_EQ(amountRows(), Rows{});
        ASSERT_TRUE(o.Save());
    }
    setMethod(1);
    TPitO o;
    ASSERT_TRUE(o.Load(id, 1));
    EXPECT_EQ(o.GetPole(29), "1200.00"_zl);
    EXPECT_TRUE(o.Note(22).shown);
}

TEST_F(PitOTest, ChildrenAndMonthsRoundTrip)
{
    EXPECT_EQ(TPitO::MonthsToText(TPitO::MonthsFromText(QStringLiteral("TTTNNNNNNNNN"))),
              QStringLiteral("TTTNNNNNNNNN"));
    for (const QString& s : {QString(), QStringLiteral("TTTTTTTTTTT"), QStringLiteral("TTTTTTTTTTTTT")})
        EXPECT_EQ(TPitO::MonthsToText(TPitO::MonthsFromText(s)), QStringLiteral("NNNNNNNNNNNN"));

    const int id = addPerson(1);
    {
        TPitO o;
        ASSERT_TRUE(o.Load(id, 1));
        o.SetLiczbaDzieci(2);
        o.SetLiczbaDzieci(100);   // out of range: ignored
        o.SetDzieckoPesel(1, QStringLiteral("12345678901"));
        EXPECT_EQ(o.Dziecko(1).PeselNote.text, QStringLiteral("Nieprawidłowy PESEL"));
        o.Dziecko(1).Imie = QStringLiteral("Ola");
        o.Dziecko(1).Caly[0] = true;
        o.Dziecko(1).Miesiace[1] = TPitO::MonthsFromText(QStringLiteral("TTTNNNNNNNNN"));
        o.SetTekst(25, QStringLiteral("linia 1\nlinia 2"));
        o.SetTekst(44, QStringLiteral("Fundacja"));
        type(o, 52, Amount());
        ASSERT_TRUE(o.Save());
    }
    TPitO o;
    ASSERT_TRUE(o.Load(id, 1));
    EXPECT_EQ(o.LiczbaDzieci(), 2);
    EXPECT_EQ(o.GetPole(34), "2"_zl);
    EXPECT_EQ(o.Dziecko(1).Imie, QStringLiteral("Ola"));
    EXPECT_TRUE(o.Dziecko(1).Caly[0]);
    EXPECT_TRUE(o.Dziecko(1).Miesiace[1][2]);
    EXPECT_FALSE(o.Dziecko(1).Miesiace[1][3]);
    EXPECT_TRUE(o.Dziecko(1).PeselNote.shown);
    EXPECT_EQ(o.Tekst(25), QStringLiteral("linia 1\nlinia 2"));
    EXPECT_EQ(o.Tekst(44), QStringLiteral("Fundacja"));
    EXPECT_FALSE(o.GetEmpty(52));
    EXPECT_TRUE(o.GetDruk(52));
    EXPECT_TRUE(o.GetEmpty(13));
}

TEST_F(PitOTest, TotalsForTheMainDeclaration)
{
    const int id = addPerson(1);
    TPitO::TSumy s;
    EXPECT_FALSE(TPitO::ReadTotals(id, &s));
    {
        TPitO o;
        ASSERT_TRUE(o.Load(id, 1));
        for (int b : {13, 15, 17, 19, 21, 23, 26}) type(o, b, "10.00"_zl);
        for (int b : {14, 16, 18, 20, 22, 24, 27}) type(o, b, "1.00"_zl);
        for (int b : {30, 32, 35, 37, 40}) type(o, b, "100.00"_zl);
        for (int b : {31, 33, 36, 38, 41}) type(o, b, "0.01"_zl);
        type(o, 52, "999.00"_zl);   // donations of part D are not a deduction here
        ASSERT_TRUE(o.Save());
    }
    ASSERT_TRUE(TPitO::ReadTotals(id, &s));
    EXPECT_EQ(s.p28, "70.00"_zl);
    EXPECT_EQ(s.p29, "7.00"_zl);
    EXPECT_EQ(s.p42, "500.00"_zl);
    EXPECT_EQ(s.p43, "0.05"_zl);
}

TEST_F(PitOTest, RehabilitationWorksheet)
{
    const int id = addPerson();
    TOdlRehab r;
    EXPECT_FALSE(r.Load(id, QStringLiteral("P")));
    r.P[0] = "130.00"_zl;    // January medicines
    r.P[1] = "90.00"_zl;     // February
    r.P[13] = "2500.00"_zl;  // guide dog
    r.P[15] = "50.00"_zl;    // further expense, in full
    r.Ed[0] = QStringLiteral("turnus");
    EXPECT_EQ(r.Deductible(1), "30.00"_zl);
    EXPECT_EQ(r.Deductible(2), Amount());
    EXPECT_EQ(r.Deductible(14), "2280.00"_zl);
    EXPECT_EQ(r.Total(), "2360.00"_zl);
    r.Save(id, QStringLiteral("P"));
    TOdlRehab back;
    ASSERT_TRUE(back.Load(id, QStringLiteral("P")));
    EXPECT_EQ(back.P[0], "130.00"_zl);
    EXPECT_EQ(back.Ed[0], QStringLiteral("turnus"));
    EXPECT_EQ(back.Total(), "2360.00"_zl);
    EXPECT_FALSE(back.Load(id, QStringLiteral("M")));
}

}  // namespace
