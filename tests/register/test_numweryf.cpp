// Identifier checks: NIP, REGON, PESEL, account, postal code, voivodeship, birth date.

#include "NumWeryf.h"

#include <gtest/gtest.h>

TEST(NumWeryf, Nip)
{
    struct Case { const char* nip; bool valid; };
    const Case cases[] = {
        {"   -   -  -  ", true},      // untouched mask: blank
        {"", true},
        {"1  -   -  -  ", false},     // one digit typed
        {"123-456-32-18", true},
        {"123-456-32-19", false},     // check digit
        {"000-000-00-00", false},     // "000" prefix although the check digit fits
        {"123-456-78-90", true},      // remainder 10 counts as 0
        {"1234563218", false},        // not in the 13-character form
        {"123-456-32-1a", false},
        {" 123-456-32-18 ", true},    // trimmed first
        {"526-025-09-95", true},
    };
    for (const Case& c : cases) EXPECT_EQ(IsValidNip(QString::fromLatin1(c.nip)), c.valid) << c.nip;
    EXPECT_TRUE(NipChecksumOk(QStringLiteral("1234563218")));
    EXPECT_FALSE(NipChecksumOk(QStringLiteral("123456321")));
}

TEST(NumWeryf, Regon)
{
    struct Case { const char* regon; bool valid; };
    const Case cases[] = {
        {"", true},           {"123456785", true},      {"123456786", false},     {"12345678", false},
        {"12345678512345", true}, {"12345678599999", true}, {"12345678612345", false}, {"1234567851", false},
        {"73000000x", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsValidRegon(QString::fromLatin1(c.regon)), c.valid) << c.regon;
}

TEST(NumWeryf, Pesel)
{
    struct Case { const char* pesel; bool valid; int y, m, d; bool male; };
    const Case cases[] = {
        {"70030501231", true, 1970, 3, 5, true},
        {"50921501238", true, 1850, 12, 15, true},    // month code 81..92: the 1800s
        {"04231501231", true, 2004, 3, 15, true},
        {"70130101236", false, 0, 0, 0, true},         // month code 13
        {"70030001236", false, 0, 0, 0, true},         // day 00
        {"70023101239", true, 0, 0, 0, true},          // 31 February passes, but has no date
        {"89043101233", true, 0, 0, 0, true},          // 31 April likewise
        {"70030501232", false, 1970, 3, 5, true},      // check digit
        {"700305 1231", false, 0, 0, 0, true},
        {"           ", true, 0, 0, 0, true},          // blank
    };
    for (const Case& c : cases) {
        const QString p = QString::fromLatin1(c.pesel);
        EXPECT_EQ(IsValidPesel(p), c.valid) << c.pesel;
        const QDate d = PeselBirthDate(p);
        if (c.y) EXPECT_EQ(d, QDate(c.y, c.m, c.d)) << c.pesel;
        else EXPECT_FALSE(d.isValid()) << c.pesel;
        EXPECT_EQ(PeselIsMale(p), c.male) << c.pesel;
    }
    EXPECT_TRUE(PeselMatchesDate(QStringLiteral("50921501238"), QDate(1850, 12, 15)));
    EXPECT_FALSE(PeselMatchesDate(QStringLiteral("70030501231"), QDate(1970, 3, 6)));
    EXPECT_FALSE(PeselMatchesDate(QStringLiteral("70023101239"), QDate(1970, 3, 3)));
    EXPECT_FALSE(PeselIsMale(QStringLiteral("70030501241")));   // tenth digit even
    EXPECT_TRUE(PeselIsMale(QStringLiteral("123")));
}

TEST(NumWeryf, Account)
{
    struct Case { const char* account; bool valid; };
    const Case cases[] = {
        {"", true},
        {"  ", true},
        {"61109010140000071219812874", true},
        {"61 1090 1014 0000 0712 1981 2874", true},
        {"61-1090-1014-0000-0712-1981-2874", true},
        {"62109010140000071219812874", false},
        {"6110901014000007121981287", false},      // 25 digits
        {"611090101400000712198128741", false},    // 27 digits
        {"PL61109010140000071219812874", false},   // letters are not digits
        {"20102055581111123456789012", true},
    };
    for (const Case& c : cases) EXPECT_EQ(IsValidAccount(QString::fromLatin1(c.account)), c.valid) << c.account;
}

TEST(NumWeryf, PostalCode)
{
    struct Case { const char* in; const char* formatted; bool valid; };
    const Case cases[] = {
        {"43300", "43-300", false}, {"43-300", "43-300", true}, {"4330a", "4330a", false},
        {" 43-300", " 43-300", false}, {"", "", true}, {"4-3300", "43-300", false}, {"433000", "433000", false},
        {"   ", "   ", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatKodPoczt(QString::fromLatin1(c.in)), QString::fromLatin1(c.formatted)) << c.in;
        EXPECT_EQ(IsValidKodPoczt(QString::fromLatin1(c.in)), c.valid) << c.in;
    }
}

TEST(NumWeryf, VoivodeshipAndCountry)
{
    EXPECT_EQ(VoivodeshipNames().size(), 16);
    for (const char* v : {"Śląskie", "ŚLĄSKIE", "śląskie", "  Łódzkie ", "warmińsko-mazurskie"})
        EXPECT_TRUE(IsVoivodeshipName(QString::fromUtf8(v))) << v;
    EXPECT_FALSE(IsVoivodeshipName(QStringLiteral("Slaskie")));
    EXPECT_TRUE(IsValidWojew(QStringLiteral("  ")));
    EXPECT_FALSE(IsValidWojew(QStringLiteral("Bawaria")));
    EXPECT_TRUE(IsPoland(QStringLiteral(" polska ")));
    EXPECT_FALSE(IsPoland(QStringLiteral("Polska Rzeczpospolita")));
}

TEST(NumWeryf, BirthDatePlausibility)
{
    EXPECT_TRUE(IsBirthDatePlausible(QDate(1992, 1, 5)));    // 5 840 days before 1 January 2008
    EXPECT_FALSE(IsBirthDatePlausible(QDate(1992, 1, 6)));   // 5 839 days
    EXPECT_EQ(BirthDateQuestion(QDate(1992, 1, 6)), QStringLiteral("Data urodzenia [06-01-1992] poprawna?"));
}
