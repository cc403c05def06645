// PIT-37: limits and their notes, SetField particulars, what is shown, and Verify's rows.

#include "FPit37.h"
#include "FPitD.h"
#include "FPitO.h"
#include "NumWeryf.h"
#include "FormTestHelpers.h"
#include "TestEnv.h"

namespace {

using Rows = ErrorRows;

class Pit37Checks : public DataFolderTest {
protected:
    // A taxpayer whose identification passes every check.
    int addComplete(int method = 0, QVariantMap more = {})
    {
        dm->Urzedy->first();
        QVariantMap m = CompleteIdentity();
        m[QStringLiteral("Sposob")] = method;
        m[QStringLiteral("UrzadId")] = dm->Urzedy->asInt(QStringLiteral("UrzadId"));
        for (auto it = more.begin(); it != more.end(); ++it) m[it.key()] = it.value();
        return addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"), m);
    }
    static void type(TFormularz& m, int box, Amount a) { TypeBox(m, box, a); }
    Rows rows() const { return ErrorListRows(*dm); }
};

TEST_F(Pit37Checks, CompleteTaxpayerVerifiesClean)
{
    TPit37 m;
    ASSERT_TRUE(m.Load(addComplete()));
    m.Verify();
    EXPECT_EQ(rows(), Rows{});
}

TEST_F(Pit37Checks, IdentificationRowsInTheirOrder)
{
    const int id = addTaxpayer(QStringLiteral(""), QStringLiteral("Jan"),
                               {{QStringLiteral("Pesel"), QStringLiteral("80043012344")},
                                {QStringLiteral("Kraj"), QStringLiteral("Polska")},
                                {QStringLiteral("Wojew"), QStringLiteral("Mazowsze")},
                                {QStringLiteral("KodPoczt"), QStringLiteral("0000")}});
    TPit37 m;
    ASSERT_TRUE(m.Load(id));
    m.Verify();
    const Rows expected{{1, QStringLiteral("NIP podatnika nie podany")},
                        {9, QStringLiteral("Nazwa urzędu skarbowego nie podana")},
                        {11, QStringLiteral("Nazwisko podatnika nie podane")},
                        {13, QStringLiteral("Data urodzenia podatnika nie podana")},
                        {14, QStringLiteral("Nieprawidłowy PESEL")},
                        {16, QStringLiteral("Nieprawidłowa nazwa województwa")},
                        {17, QStringLiteral("Nazwa powiatu nie podana")},
                        {18, QStringLiteral("Nazwa gminy nie podana")},
                        {19, QStringLiteral("Nazwa ulicy nie podana")},
                        {20, QStringLiteral("Numer domu nie podany")},
                        {22, QStringLiteral("Nazwa miejscowości nie podana")},
                        {23, QStringLiteral("Nieprawidłowy numer kod pocztowego")}};
    EXPECT_EQ(rows(), expected);
}

TEST_F(Pit37Checks, SpouseChecksUnderJointFilingByArt6Ust2)
{
    const int id = addComplete(1, {{QStringLiteral("MNIP"), QStringLiteral("123-456-32-18")},
                                   {QStringLiteral("MImie"), QStringLiteral("Jan")}});
    TPit37 m;
    ASSERT_TRUE(m.Load(id));
    m.Verify();
    const Rows r = rows();
    ASSERT_GE(r.size(), 4);
    EXPECT_EQ(r[0], (std::pair{1, QStringLiteral("NIP podatnika i małżonka jest taki sam")}));
    EXPECT_EQ(r[1], (std::pair{12, QStringLiteral("Imię podatnika i małżonka jest takie samo")}));
    EXPECT_EQ(r[2], (std::pair{12, QStringLiteral("Imię podatnika i małżonka określają tę samą płeć")}));
    EXPECT_EQ(r[3], (std::pair{25, QStringLiteral("Nazwisko małżonka nie podane")}));
    EXPECT_TRUE(r.contains(std::pair{27, QStringLiteral("Data urodzenia małżonka nie podana")}));
    EXPECT_TRUE(r.contains(std::pair{37, QStringLiteral("Kod pocztowy nie podany")}));
}

TEST_F(Pit37Checks, BirthDatePlausibility)
{
    TPit37 m;
    ASSERT_TRUE(m.Load(addComplete()));
    m.SetPesel(14, QString());
    const QDate jan1(2008, 1, 1);
    m.SetDataUr(13, jan1.addDays(-5839));
    m.Verify();
    EXPECT_TRUE(rows().contains(std::pair{13, BirthDateQuestion(jan1.addDays(-5839))}));
    m.SetDataUr(13, jan1.addDays(-5840));
    m.Verify();
    for (auto [box, text] : rows()) EXPECT_NE(box, 13) << text.toStdString();
}

TEST_F(Pit37Checks, RowCompletenessInBoxOrderUntilZeroTyped)
{
    TPit37 m;
    ASSERT_TRUE(m.Load(addComplete()));
    type(m, 39, "50000.00"_zl);
    m.Verify();
    const QString t = QStringLiteral("Należy sprawdzić, czy pozycja nie powinna być wypełniona");
    EXPECT_EQ(rows(), (Rows{{40, t}, {43, t}}));
    type(m, 40, Amount());
    type(m, 43, Amount());
    m.Verify();
    EXPECT_EQ(rows(), Rows{});
}

TEST_F(Pit37Checks, SocialInsuranceAboveIncomeIsLimitedButKeptAsTyped)
{
    const int id = addComplete();
    {
        TPit37 m;
        ASSERT_TRUE(m.Load(id));
        type(m, 39, "10000.00"_zl);
        type(m, 40, "1335.00"_zl);
        type(m, 93, "9000.00"_zl);
        EXPECT_EQ(m.GetPole(93), "8665.00"_zl);
        EXPECT_EQ(m.GetPole(97), Amount());
        EXPECT_EQ(m.Source(93), "9000.00"_zl);
        ASSERT_TRUE(m.Save());
    }
    ASSERT_TRUE(dm->Pit37->locate(QStringLiteral("PodatId"), id));
    EXPECT_EQ(dm->Pit37->asAmount(QStringLiteral("P93")), "9000.00"_zl);
    TPit37 m;
    ASSERT_TRUE(m.Load(id));
    type(m, 39, "20000.00"_zl);   // more income: the typed amount counts in full again
    EXPECT_EQ(m.GetPole(93), "9000.00"_zl);
}

TEST_F(Pit37Checks, PitOAboveIncomeGetsGreenNote)
{
    const int id = addComplete(0, {{QStringLiteral("PitO"), 1}});
    {
        TPitO o;
        ASSERT_TRUE(o.Load(id, 1));
        type(o, 17, "5000.00"_zl);
        ASSERT_TRUE(o.Save());
    }
    TPit37 m;
    ASSERT_TRUE(m.Load(id));
    type(m, 39, "3000.00"_zl);
    EXPECT_EQ(m.GetPole(99), "3000.00"_zl);
    EXPECT_EQ(m.Note(99).colour, int(ncGreen));
    EXPECT_EQ(m.Note(99).text, QStringLiteral("Kwota z PIT/O (5 000,00 zł) została ograniczona\rdo kwoty z poz.97"));
    type(m, 39, "6000.00"_zl);
    EXPECT_EQ(m.GetPole(99), "5000.00"_zl);
    EXPECT_FALSE(m.Note(99).shown);
}

TEST_F(Pit37Checks, HealthContributionsWithinTheTax)
{
    struct Case {
        int method;
        Amount tax, typedP, typedM, expectP, expectM;
    };
    const Case cases[] = {
        {1, "1000"_zl, "800"_zl, "600"_zl, "800"_zl, "200"_zl},
        {1, "700"_zl, "300"_zl, "900"_zl, Amount(), "700"_zl},
        {0, "500"_zl, "800"_zl, Amount(), "500"_zl, Amount()},
        {3, "500"_zl, "300"_zl, "900"_zl, "300"_zl, Amount()},   // single parent: the taxpayer's only
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.method);
        TPit37 m;
        ASSERT_TRUE(m.Load(addComplete(c.method)));
        type(m, 108, c.tax);   // the tax without any income
        type(m, 110, c.typedP);
        type(m, 111, c.typedM);
        EXPECT_EQ(m.GetPole(109), c.tax);
        EXPECT_EQ(m.GetPole(110), c.expectP);
        EXPECT_EQ(m.GetPole(111), c.expectM);
        EXPECT_EQ(m.GetPole(116), c.tax - c.expectP - c.expectM);
    }
}

TEST_F(Pit37Checks, OnePercentCutToTenGroszeAndLimited)
{
    TPit37 m;
    ASSERT_TRUE(m.Load(addComplete()));
    type(m, 108, "1200.00"_zl);
    type(m, 126, "12.39"_zl);
    EXPECT_EQ(m.GetPole(120), "1200.00"_zl);
    EXPECT_EQ(m.GetPole(126), "12.30"_zl);
    EXPECT_EQ(m.Note(126).colour, int(ncRed));
    EXPECT_EQ(m.Note(126).text, QStringLiteral("Wnioskowana kwota przekracza kwotę\rmożliwą do odliczenia = 12,00 zł"));
    m.Verify();
    EXPECT_EQ(rows(), (Rows{{124, QStringLiteral("Nazwa OPP nie podana")},
                            {125, QStringLiteral("Numer KRS nie podany")},
                            {126, QStringLiteral("Wnioskowana kwota przekracza kwotę możliwego odliczenia")}}));

    type(m, 108, "99.00"_zl);
    EXPECT_TRUE(m.Note(126).text.endsWith(QStringLiteral("= 0,90 zł")));
    type(m, 126, "0.90"_zl);
    EXPECT_FALSE(m.Note(126).shown);

    TPit37 named;
    ASSERT_TRUE(named.Load(addComplete()));
    named.NazwaOPP = QStringLiteral("Fundacja");
    named.NumerOPP = QStringLiteral("0000012345");
    EXPECT_TRUE(named.HasOpp());
    named.Verify();
    EXPECT_EQ(rows(), (Rows{{126, QStringLiteral("Wnioskowana kwota nie podana")}}));
}

TEST_F(Pit37Checks, HousingSquaresOfBoxes135And136)
{
    const QString mark = QStringLiteral("Należy zaznaczyć właściwy kwadrat");
    {
        TPit37 m;
        ASSERT_TRUE(m.Load(addComplete()));
        type(m, 117, "100.00"_zl);
        m.Verify();
        EXPECT_EQ(rows(), (Rows{{135, mark}, {136, mark}}));
        m.SetPit135(2, true);
        m.SetPit136(3, true);
        m.Verify();
        EXPECT_EQ(rows(), (Rows{{137, QStringLiteral("Pozycja powinna być wypełniona ponieważ zaznaczono w poz.135 kwadrat nr 2")}}));
        m.P137 = {QStringLiteral("123-456-32-18 Anna Nowak"), QStringLiteral("US Warszawa")};
        m.Verify();
        EXPECT_EQ(rows(), Rows{});
    }
    TPit37 m;
    ASSERT_TRUE(m.Load(addComplete(0, {{QStringLiteral("PitDPod"), true}})));
    m.SetPit135(1, true);
    m.SetPit136(2, true);
    m.Verify();
    const QString other =
        QStringLiteral("Pozycję wypełniają podatnicy, którzy załącznik PIT/D dołączyli do innego niż składane zeznanie");
    EXPECT_EQ(rows(), (Rows{{135, other}, {136, other}}));
}

TEST_F(Pit37Checks, ExclusiveSquaresAndPurpose)
{
    TPit37 m;
    m.SetPit136(1, true);
    m.SetPit136(3, true);
    EXPECT_FALSE(m.GetPit136(1));
    EXPECT_TRUE(m.GetPit136(3));
    m.SetPit136(3, false);   // off leaves the others
    EXPECT_FALSE(m.GetPit136(1) || m.GetPit136(2) || m.GetPit136(3));

    EXPECT_FALSE(m.IsKorekta());
    m.SetCel(2, true);
    EXPECT_TRUE(m.IsKorekta());
    EXPECT_FALSE(m.GetCel(1));
    m.SetCel(2, false);
    EXPECT_TRUE(m.GetCel(1));
}

TEST_F(Pit37Checks, HousingBoxesTypedOnlyWithoutPitDAndNotJoint)
{
    struct Case {
        int method;
        bool pitD;
        bool typed;
    };
    for (const Case c : {Case{0, false, true}, Case{3, false, true}, Case{1, false, false}, Case{2, false, false},
                         Case{0, true, false}}) {
        SCOPED_TRACE(testing::Message() << c.method << " " << c.pitD);
        TPit37 m;
        ASSERT_TRUE(m.Load(addComplete(c.method, {{QStringLiteral("PitDPod"), c.pitD}})));
        type(m, 39, "50000.00"_zl);
        for (int box : {101, 102, 117}) type(m, box, "100.00"_zl);
        for (int box : {101, 102, 117}) EXPECT_EQ(m.GetPole(box), c.typed ? "100.00"_zl : Amount()) << box;
    }
}

TEST_F(Pit37Checks, PitDAmountsAndTheirLimitNote)
{
    struct Case {
        Amount p44, p47, expect102;
    };
    for (const Case c : {Case{"800"_zl, Amount(), "800"_zl}, Case{"800"_zl, "300"_zl, "300"_zl}}) {
        const int id = addComplete(0, {{QStringLiteral("PitDPod"), true}});
        {
            TPitD d;
            ASSERT_TRUE(d.Load(id, 37));
            type(d, 32, "9000.00"_zl);
            type(d, 40, c.p44);   // no PIT-28 part: box 44 = box 40
            if (!c.p47.isZero()) type(d, 47, c.p47);
            ASSERT_TRUE(d.Save());
        }
        TPit37 m;
        ASSERT_TRUE(m.Load(id));
        type(m, 39, "5000.00"_zl);
        EXPECT_EQ(m.GetPole(102), c.expect102);
        EXPECT_EQ(m.GetPole(101), "5000.00"_zl);
        EXPECT_EQ(m.Note(101).text,
                  QStringLiteral("Kwota z PIT/D (9 000,00 zł) została ograniczona\rdo kwoty możliwego odliczenia"));
        EXPECT_EQ(m.PossibleDeduction101(), "5000.00"_zl);
    }
}

TEST_F(Pit37Checks, WhatIsShown)
{
    const int joint = addComplete(1);
    const int alone = addComplete(0);
    struct Case {
        int box;
        bool joint, alone;
    };
    const Case cases[] = {
        {39, true, true},     // typed, 0 typed: not blank
        {40, false, false},   // blank
        {41, true, true},     // derived, not 0
        {42, false, false},   // derived 0
        {64, true, true},     // always
        {66, true, false},    // spouse typed
        {68, false, false},   // spouse derived 0
        {89, true, false},    // spouse total
        {103, true, true},    // as 102
        {118, false, false},  // as 117 (blank)
        {130, false, false},  // no PIT/O
        {106, true, true},
    };
    for (int id : {joint, alone}) {
        TPit37 m;
        ASSERT_TRUE(m.Load(id));
        type(m, 39, "1000.00"_zl);
        type(m, 66, Amount());
        type(m, 102, Amount());
        for (const Case& c : cases) EXPECT_EQ(m.GetDruk(c.box), id == joint ? c.joint : c.alone) << c.box;
    }
    EXPECT_EQ(messages->count(), 0);
}

TEST_F(Pit37Checks, AttachmentCountsAndCertificates)
{
    const int id = addComplete(1, {{QStringLiteral("PitO"), 2},
                                   {QStringLiteral("PitDPod"), true},
                                   {QStringLiteral("Pit2K"), true},
                                   {QStringLiteral("Nip3Pod"), true},
                                   {QStringLiteral("Nip3Mal"), true}});
    TPit37 m;
    ASSERT_TRUE(m.Load(id));
    EXPECT_EQ(m.GetPole(130), "2"_zl);
    EXPECT_EQ(m.GetPole(131), "1"_zl);
    EXPECT_EQ(m.GetPole(132), "1"_zl);
    EXPECT_EQ(m.GetPole(133), "2"_zl);
    m.SetCertyfikat(2);
    m.SetCertyfikat(3);
    EXPECT_EQ(m.Certyfikat(), 2);
    EXPECT_TRUE(m.GetDruk(134));
}

TEST_F(Pit37Checks, TextsAndSquaresSurviveSaveAndLoad)
{
    const int id = addComplete(1);
    {
        TPit37 m;
        ASSERT_TRUE(m.Load(id));
        m.P7 = true;
        m.SetP8(true);
        m.SetCel(2, true);
        m.SetPit135(2, true);
        m.P137 = {QStringLiteral("linia 1"), QStringLiteral("linia 2")};
        m.NazwaOPP = QStringLiteral("Fundacja");
        m.P127 = QStringLiteral("tel. 123");
        m.Pelnomocnik = QStringLiteral("Adam Kowalski");
        m.SetCertyfikat(1);
        ASSERT_TRUE(m.Save());
    }
    TPit37 m;
    ASSERT_TRUE(m.Load(id));
    EXPECT_TRUE(m.P7);
    EXPECT_TRUE(m.GetP8());
    EXPECT_TRUE(m.IsKorekta());
    EXPECT_TRUE(m.GetPit135(2));
    EXPECT_EQ(m.P137, (QStringList{QStringLiteral("linia 1"), QStringLiteral("linia 2")}));
    EXPECT_EQ(m.NazwaOPP, QStringLiteral("Fundacja"));
    EXPECT_EQ(m.P127, QStringLiteral("tel. 123"));
    EXPECT_EQ(m.Pelnomocnik, QStringLiteral("Adam Kowalski"));
    EXPECT_EQ(m.Certyfikat(), 1);
    EXPECT_FALSE(m.Urzad.isEmpty());
    EXPECT_EQ(m.GetUrzadId(), dm->Podatnik->asInt(QStringLiteral("UrzadId")));
}

}  // namespace
