// PIT/D through a real data folder: derived parts, split pairs, the savings cap, the
// identification and address checks, and what PIT-37 takes from it.

#include "FPitD.h"
#include "FormTestHelpers.h"
#include "TestEnv.h"

namespace {

using Rows = ErrorRows;

class PitDTest : public DataFolderTest {
protected:
    int addPerson(QVariantMap more = {})
    {
        QVariantMap m = CompleteIdentity();
        m[QStringLiteral("PitDPod")] = true;
        for (auto it = more.begin(); it != more.end(); ++it) m[it.key()] = it.value();
        return addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"), m);
    }
    static void type(TFormularz& m, int box, Amount a) { TypeBox(m, box, a); }
    Rows rows() const { return ErrorListRows(*dm); }
};

TEST_F(PitDTest, CompleteTaxpayerWithoutSpouseVerifiesClean)
{
    TPitD d;
    ASSERT_TRUE(d.Load(addPerson(), 37));
    EXPECT_FALSE(d.SpouseDataPresent());
    d.Verify();
    EXPECT_EQ(rows(), Rows{});
    EXPECT_EQ(d.Caption(), QStringLiteral("PIT/D - Jan Nowak"));
}

TEST_F(PitDTest, PitTwentyEightPartAboveTheInterest)
{
    TPitD d;
    ASSERT_TRUE(d.Load(addPerson(), 37));
    type(d, 32, "1000.00"_zl);
    type(d, 33, "1200.00"_zl);
    EXPECT_EQ(d.GetPole(34), Amount());
    EXPECT_EQ(d.Note(33).text, QStringLiteral("Wartość nie może być większa\rniż wartość z poz. 32"));
    d.Verify();
    EXPECT_EQ(rows(), (Rows{{33, QStringLiteral("Kwota z poz.33 nie może być większa od kwoty z poz.32")}}));
}

TEST_F(PitDTest, TypingOneShareFillsTheOther)
{
    TPitD d;
    ASSERT_TRUE(d.Load(addPerson(), 37));
    type(d, 32, "800.00"_zl);
    type(d, 33, "500.00"_zl);
    type(d, 35, "200.00"_zl);
    EXPECT_EQ(d.GetPole(36), "300.00"_zl);
    EXPECT_FALSE(d.GetEmpty(36));
    type(d, 35, Amount());
    EXPECT_EQ(d.GetPole(36), "300.00"_zl);
    type(d, 35, "600.00"_zl);
    EXPECT_EQ(d.GetPole(36), "300.00"_zl);
    const QString note = QStringLiteral("Suma kwot odliczeń dla podatnika i małżonka\rjest różna od kwoty z poz. 33");
    EXPECT_EQ(d.Note(35).text, note);
    EXPECT_EQ(d.Note(36).text, note);
    d.Verify();
    EXPECT_EQ(rows(), (Rows{{35, QStringLiteral("Suma kwot z poz.35 i 36 jest różna od kwoty z poz.33")}}));

    // Split of a derived total: box 44 = 40 + 41 - 43.
    type(d, 40, "1000.00"_zl);
    type(d, 47, "400.00"_zl);
    EXPECT_EQ(d.GetPole(48), "600.00"_zl);
}

TEST_F(PitDTest, HousingSavingsCappedAtOnce)
{
    const int id = addPerson();
    {
        TPitD d;
        ASSERT_TRUE(d.Load(id, 37));
        type(d, 49, "12000.00"_zl);
        EXPECT_EQ(d.GetPole(49), "11340.00"_zl);
        type(d, 50, "100.00"_zl);
        EXPECT_EQ(d.GetPole(51), "11440.00"_zl);
        type(d, 52, "11500.00"_zl);
        EXPECT_EQ(d.GetPole(53), Amount());
        EXPECT_EQ(d.Note(52).text, QStringLiteral("Kwota odliczenia nie może być większa\rod kwoty z poz.51"));
        ASSERT_TRUE(d.Save());
    }
    ASSERT_TRUE(dm->PitD->locate(QStringLiteral("PodatId"), id));
    EXPECT_EQ(dm->PitD->asAmount(QStringLiteral("P49")), "11340.00"_zl);
    EXPECT_TRUE(dm->PitD->isNull(QStringLiteral("P32")));
}

TEST_F(PitDTest, SpouseChecksOnceAnySpouseFieldIsFilled)
{
    TPitD d;
    ASSERT_TRUE(d.Load(addPerson({{QStringLiteral("MPoczta"), QStringLiteral("Warszawa")}}), 37));
    EXPECT_TRUE(d.SpouseDataPresent());
    d.Verify();
    const Rows expected{{2, QStringLiteral("NIP małżonka nie podany")},
                        {18, QStringLiteral("Nazwisko małżonka nie podane")},
                        {19, QStringLiteral("Imię małżonka nie podane")},
                        {20, QStringLiteral("Data urodzenia małżonka nie podana")},
                        {21, QStringLiteral("PESEL nie podany")},
                        {22, QStringLiteral("Nazwa kraju nie podana")},
                        {23, QStringLiteral("Nazwa województwa nie podana")},
                        {24, QStringLiteral("Nazwa powiatu nie podana")},
                        {25, QStringLiteral("Nazwa gminy nie podana")},
                        {26, QStringLiteral("Nazwa ulicy nie podana")},
                        {27, QStringLiteral("Numer domu nie podany")},
                        {29, QStringLiteral("Nazwa miejscowości nie podana")},
                        {30, QStringLiteral("Kod pocztowy nie podany")}};
    EXPECT_EQ(rows(), expected);
}

TEST_F(PitDTest, VoivodeshipAndPostalCode)
{
    struct Case {
        QString kraj, wojew;
        int kind;
        bool note;
        Rows rows;
    };
    const QString bad = QStringLiteral("Nieprawidłowa nazwa województwa");
    const Case cases[] = {
        {QStringLiteral("Polska"), QStringLiteral("Mazowieckie"), 37, false, {}},
        {QStringLiteral("Polska"), QStringLiteral("Mazowsze"), 37, true, {{9, bad}}},
        {QStringLiteral("Niemcy"), QStringLiteral("Bayern"), 37, true, {}},
        {QStringLiteral("Niemcy"), QString(), 37, false, {{9, QStringLiteral("Nazwa województwa nie podana")}}},
        {QStringLiteral("Polska"), QStringLiteral("Mazowsze"), 28, false, {{9, bad}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.kraj + u' ' + c.wojew).toStdString());
        TPitD d;
        ASSERT_TRUE(d.Load(addPerson({{QStringLiteral("Kraj"), c.kraj}, {QStringLiteral("Wojew"), c.wojew}}), c.kind));
        EXPECT_EQ(d.Note(9).shown, c.note);
        d.Verify();
        EXPECT_EQ(rows(), c.rows);
    }

    TPitD d;
    ASSERT_TRUE(d.Load(addPerson(), 37));
    d.Id().SetKodPoczt(16, QStringLiteral("43300"));
    EXPECT_EQ(d.Id().Text(16), QStringLiteral("43-300"));
    d.Id().SetKodPoczt(16, QStringLiteral("433"));
    EXPECT_EQ(d.Note(16).text, QStringLiteral("Nieprawidłowy numer kodu pocztowego"));
    TPitD pit28;
    ASSERT_TRUE(pit28.Load(addPerson(), 28));
    pit28.Id().SetKodPoczt(16, QStringLiteral("43300"));
    EXPECT_EQ(pit28.Id().Text(16), QStringLiteral("43300"));
    EXPECT_FALSE(pit28.Note(16).shown);
}

TEST_F(PitDTest, AmountsTheMainDeclarationTakes)
{
    struct Case {
        Amount p44, p47, expected;
    };
    for (const Case c : {Case{"800"_zl, Amount(), "800"_zl}, Case{"800"_zl, "300"_zl, "300"_zl}}) {
        const int id = addPerson();
        {
            TPitD d;
            ASSERT_TRUE(d.Load(id, 37));
            type(d, 40, c.p44);
            if (!c.p47.isZero()) type(d, 47, c.p47);
            type(d, 32, "100.00"_zl);
            type(d, 49, "50.00"_zl);
            type(d, 56, "20.00"_zl);
            ASSERT_TRUE(d.Save());
        }
        TPitD::TSumy s;
        ASSERT_TRUE(TPitD::ReadTotals(id, 37, &s));
        EXPECT_EQ(s.expenses, c.expected);
        EXPECT_EQ(s.interest, "100.00"_zl);
        EXPECT_EQ(s.tax, "20.00"_zl);
    }
    TPitD::TSumy s;
    EXPECT_FALSE(TPitD::ReadTotals(addPerson(), 37, &s));
}

TEST_F(PitDTest, WhatIsPrinted)
{
    TPitD d;
    ASSERT_TRUE(d.Load(addPerson(), 37));
    EXPECT_FALSE(d.GetDruk(34));
    EXPECT_FALSE(d.GetDruk(42));
    EXPECT_FALSE(d.GetDruk(53));
    type(d, 33, Amount());
    d.P39 = QStringLiteral("remont");
    type(d, 50, Amount());
    EXPECT_TRUE(d.GetDruk(34));
    EXPECT_TRUE(d.GetDruk(42));
    EXPECT_TRUE(d.GetDruk(44));
    EXPECT_TRUE(d.GetDruk(51));
    EXPECT_TRUE(d.GetDruk(53));
    d.Verify();
    EXPECT_EQ(rows(), (Rows{{40, QStringLiteral("Kwota odliczenia nie podana")}}));
    d.GetDruk(39);
    EXPECT_EQ(messages->texts(), QStringList{QStringLiteral("Procedura: GetDruk - pole: 39 nieokreślone.")});
}

}  // namespace
