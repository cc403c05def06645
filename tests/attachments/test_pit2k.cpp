// PIT-2K through a real data folder: identification from the register, the exclusive kinds of
// investment, the two checks before saving and blank versus 0.

#include "FPit2K.h"
#include "attach_fixture.h"

using namespace attachtest;

namespace {

class Pit2KTest : public AttachTest {};

TEST_F(Pit2KTest, KindsOfInvestmentAreExclusive)
{
    TPit2K m;
    m.SetInwestycja(TPit2K::inBudowa, true);
    m.SetInwestycja(TPit2K::inZakup, true);
    EXPECT_FALSE(m.GetInwestycja(TPit2K::inBudowa));
    EXPECT_TRUE(m.GetInwestycja(TPit2K::inZakup));
    m.SetInwestycja(TPit2K::inWklad, false);   // clearing another one changes nothing
    EXPECT_TRUE(m.GetInwestycja(TPit2K::inZakup));
    m.SetInwestycja(TPit2K::inZakup, false);
    for (int k = 0; k < TPit2K::inCount; ++k) EXPECT_FALSE(m.GetInwestycja(k)) << k;
}

TEST_F(Pit2KTest, ChecksBeforeSaving)
{
    struct Case {
        const char* name;
        int rokBud, rokZak;
        OptAmount wydat, fakt;
        const char* message;   // nullptr: may be saved
    };
    const char* years = "Rok zakończenia budowy jest\nwcześniejszy od roku rozpoczęcia.";
    const char* invoices = "Kwota wydatków udokumentowana fakturami VAT\njest większa od kwoty łącznych wydatków.";
    const Case cases[] = {
        {"consistent", 2005, 2007, "100000.00"_zl, "80000.00"_zl, nullptr},
        {"same year, invoices equal", 2006, 2006, "5000.00"_zl, "5000.00"_zl, nullptr},
        {"end before start", 2007, 2005, "100000.00"_zl, "80000.00"_zl, years},
        {"both wrong: the years first", 2007, 2005, "1.00"_zl, "2.00"_zl, years},
        {"invoices above the expenses", 2005, 2007, "1000.00"_zl, "1000.01"_zl, invoices},
        {"invoices without expenses", 2005, 0, std::nullopt, "10.00"_zl, invoices},
        {"construction not finished", 2007, 0, std::nullopt, std::nullopt, nullptr},
    };
    for (const Case& c : cases) {
        messages->clear();
        TPit2K m;
        m.RokBud = c.rokBud;
        m.RokZak = c.rokZak;
        m.KwWydat = c.wydat;
        m.KwFakt = c.fakt;
        EXPECT_EQ(m.CheckForSave(), c.message == nullptr) << c.name;
        const QStringList expected = c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{};
        EXPECT_EQ(messages->texts(), expected) << c.name;
    }
}

TEST_F(Pit2KTest, SaveAndLoadKeepBlankAndZero)
{
    const int id = addCouple(QStringLiteral("PIT-37"), {{QStringLiteral("Pit2K"), true}});
    {
        TPit2K m;
        ASSERT_TRUE(m.Load(id));
        EXPECT_EQ(m.DataDekl, QDate::currentDate());
        EXPECT_EQ(m.Caption(), QStringLiteral("PIT-2K - Jan Nowak"));
        EXPECT_EQ(m.Osoba[1][idImie], QStringLiteral("Anna"));
        EXPECT_EQ(m.Osoba[0].DataUr, kBorn);
        m.RokKred = 2008;
        m.KwKred = Amount();   // 0, not blank
        m.RokBud = 2008;
        m.KwWydat = "12345.67"_zl;
        m.SetInwestycja(TPit2K::inNadbud, true);
        m.DataDekl = QDate(2009, 4, 30);
        ASSERT_TRUE(m.Save());
    }
    TPit2K m;
    ASSERT_TRUE(m.Load(id));
    EXPECT_EQ(m.RokKred, 2008);
    EXPECT_EQ(m.KwKred, OptAmount(Amount()));
    EXPECT_EQ(m.RokZak, 0);
    EXPECT_EQ(m.KwWydat, OptAmount("12345.67"_zl));
    EXPECT_FALSE(m.KwFakt.has_value());
    EXPECT_TRUE(m.GetInwestycja(TPit2K::inNadbud));
    EXPECT_FALSE(m.GetInwestycja(TPit2K::inBudowa));
    EXPECT_EQ(m.DataDekl, QDate(2009, 4, 30));
    EXPECT_EQ(dm->Pit2K->recordCount(), 1);
    // The register is never written by this form.
    m.Osoba[0].f[idImie] = QStringLiteral("Piotr");
    ASSERT_TRUE(m.Save());
    ASSERT_TRUE(dm->Podatnik->locate(QStringLiteral("PodatId"), id));
    EXPECT_EQ(dm->Podatnik->asString(QStringLiteral("Imie")), QStringLiteral("Jan"));
    EXPECT_EQ(TPit2K::AmountHint(), QStringLiteral("Limit odliczeń wynosi 19 % wydatków"));
}

TEST_F(Pit2KTest, MissingTaxpayer)
{
    TPit2K m;
    EXPECT_FALSE(m.Load(404));
    EXPECT_EQ(messages->texts(), QStringList{QStringLiteral("Brak podatnika [PodatId = [404].")});
}

}  // namespace
