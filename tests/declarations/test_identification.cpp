// Identification through a declaration model: live notes of the setters, the PESEL date,
// address completion rules, the write-back to the register, and the spouse amounts kept
// while the filing is not joint.

#include "FPit37.h"
#include "FormTestHelpers.h"
#include "TestEnv.h"

namespace {

class IdentificationTest : public DataFolderTest {};

// 30 April 1980 and a PESEL whose day (31 April) does not exist; both pass the checksum.
const QString kPesel = QStringLiteral("80043012343");
const QString kPeselNoDay = QStringLiteral("80043112340");

TEST_F(IdentificationTest, PeselAndBirthDateNotes)
{
    const int id = addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"), {{QStringLiteral("Sposob"), 1}});
    TPit37 m;
    ASSERT_TRUE(m.Load(id));

    m.SetPesel(14, kPesel);
    EXPECT_FALSE(m.Note(14).shown);
    m.SetDataUr(13, QDate(1980, 5, 1));
    EXPECT_EQ(m.Note(14).text, QStringLiteral("Niezgodność data urodzenia - PESEL"));
    EXPECT_EQ(m.Note(13).text, m.Note(14).text);
    m.SetDataUr(13, QDate(1980, 4, 30));
    EXPECT_FALSE(m.Note(13).shown);

    m.SetPesel(28, kPesel);   // the spouse's
    EXPECT_EQ(m.Note(14).text, QStringLiteral("PESEL podatnika i małżonka jest taki sam"));
    EXPECT_EQ(m.Note(28).text, QStringLiteral("PESEL podatnika i małżonka jest taki sam"));
    m.SetPesel(14, QStringLiteral("80043012344"));
    EXPECT_EQ(m.Note(14).text, QStringLiteral("Nieprawidłowy PESEL"));
    EXPECT_EQ(m.Note(14).colour, int(ncRed));
}

TEST_F(IdentificationTest, PeselWithoutSuchDayNeverGivesADate)
{
    const int id = addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"));
    TPit37 m;
    ASSERT_TRUE(m.Load(id));
    m.SetPesel(14, kPeselNoDay);
    m.Id().FillDataUrFromPesel(stPodatnik);
    EXPECT_FALSE(m.Id().osoba(stPodatnik).DataUr.isValid());
    EXPECT_EQ(messages->texts(), QStringList{QStringLiteral("Nieprawidłowa data urodzenia w numerze PESEL")});

    // With a date typed by hand, the PESEL is reported as not matching it.
    m.SetDataUr(13, QDate(1980, 4, 30));
    EXPECT_EQ(m.Note(14).text, QStringLiteral("Niezgodność data urodzenia - PESEL"));

    m.SetPesel(14, kPesel);
    m.SetDataUr(13, QDate());
    m.Id().FillDataUrFromPesel(stPodatnik);
    EXPECT_EQ(m.Id().osoba(stPodatnik).DataUr, QDate(1980, 4, 30));
}

TEST_F(IdentificationTest, NipNotes)
{
    const int id = addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"), {{QStringLiteral("Sposob"), 1}});
    TPit37 m;
    ASSERT_TRUE(m.Load(id));
    m.SetNip(1, QStringLiteral("123-456-32-18"));
    EXPECT_FALSE(m.Note(1).shown);
    m.SetNip(2, QStringLiteral("123-456-32-18"));
    EXPECT_EQ(m.Note(1).text, QStringLiteral("NIP podatnika i małżonka jest taki sam"));
    EXPECT_EQ(m.Note(2).text, QStringLiteral("NIP podatnika i małżonka jest taki sam"));
    m.SetNip(2, QStringLiteral("123-456-32-19"));
    EXPECT_FALSE(m.Note(1).shown);
    EXPECT_EQ(m.Note(2).text, QStringLiteral("Nieprawidłowy NIP"));
}

TEST_F(IdentificationTest, PostalCodeFormattedOnlyInPoland)
{
    const int id = addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"));
    TPit37 m;
    ASSERT_TRUE(m.Load(id));
    m.SetKraj(15, QStringLiteral("Polska"));
    m.SetKodPoczt(23, QStringLiteral("43300"));
    EXPECT_EQ(m.Text(23), QStringLiteral("43-300"));
    m.SetKodPoczt(23, QStringLiteral("4330"));
    EXPECT_EQ(m.Note(23).text, QStringLiteral("Nieprawidłowy numer kodu pocztowego"));
    m.SetKraj(15, QStringLiteral("Niemcy"));
    m.SetKodPoczt(23, QStringLiteral("43300"));
    EXPECT_EQ(m.Text(23), QStringLiteral("43300"));
    EXPECT_FALSE(m.Note(23).shown);
}

TEST_F(IdentificationTest, SaveWritesChangedFieldsBackToTheRegister)
{
    const int id = addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"),
                               {{QStringLiteral("Sposob"), 0}, {QStringLiteral("MImie"), QStringLiteral("Anna")}});
    TPit37 m;
    ASSERT_TRUE(m.Load(id));
    EXPECT_EQ(m.Text(26), QString());   // spouse not read when filing individually
    m.SetText(12, QStringLiteral("Janusz"));
    m.SetDataUr(13, QDate(1980, 4, 30));
    ASSERT_TRUE(m.Save());
    ASSERT_TRUE(dm->Podatnik->locate(QStringLiteral("PodatId"), id));
    EXPECT_EQ(dm->Podatnik->asString(QStringLiteral("Imie")), QStringLiteral("Janusz"));
    EXPECT_EQ(dm->Podatnik->asDate(QStringLiteral("DataUr")), QDate(1980, 4, 30));
    EXPECT_EQ(dm->Podatnik->asString(QStringLiteral("MImie")), QStringLiteral("Anna"));
}

// Spouse amounts typed under joint filing stay stored after a change to individual filing,
// but neither count, show nor get checked until the filing is joint again.
TEST_F(IdentificationTest, SpouseAmountsKeptButLeftOutWhileNotJoint)
{
    const int id = addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"), {{QStringLiteral("Sposob"), 1}});
    {
        TPit37 m;
        ASSERT_TRUE(m.Load(id));
        for (auto [box, a] : {std::pair{39, "30000.00"_zl}, {66, "20000.00"_zl}, {70, "1500.00"_zl}}) TypeBox(m, box, a);
        ASSERT_TRUE(m.Save());
    }
    dm->Podatnik->locate(QStringLiteral("PodatId"), id);
    dm->Podatnik->edit();
    dm->Podatnik->setValue(QStringLiteral("Sposob"), 0);
    dm->Podatnik->post();
    {
        TPit37 m;
        ASSERT_TRUE(m.Load(id));
        EXPECT_EQ(m.GetPole(105), "30000.00"_zl);
        EXPECT_EQ(m.GetPole(89), Amount());
        EXPECT_EQ(m.GetPole(121), Amount());
        EXPECT_FALSE(m.GetDruk(66));
        EXPECT_FALSE(m.GetDruk(89));
        m.Verify();
        for (const TBlad& e : dm->BledyTbl->rows()) EXPECT_TRUE(e.NrPola < 66 || e.NrPola > 92) << e.NrPola;
        ASSERT_TRUE(m.Save());
    }
    ASSERT_TRUE(dm->Pit37->locate(QStringLiteral("PodatId"), id));
    EXPECT_EQ(dm->Pit37->asAmount(QStringLiteral("P66")), "20000.00"_zl);

    dm->Podatnik->locate(QStringLiteral("PodatId"), id);
    dm->Podatnik->edit();
    dm->Podatnik->setValue(QStringLiteral("Sposob"), 1);
    dm->Podatnik->post();
    TPit37 m;
    ASSERT_TRUE(m.Load(id));
    EXPECT_EQ(m.GetPole(105), "50000.00"_zl);
    EXPECT_EQ(m.GetPole(121), "1500.00"_zl);
    EXPECT_TRUE(m.GetDruk(66));
}

TEST_F(IdentificationTest, PostalCodeCompletesOnlyAnEmptyAddress)
{
    addTaxpayer(QStringLiteral("Kowalski"), QStringLiteral("Adam"),
                {{QStringLiteral("Kraj"), QStringLiteral("Polska")},
                 {QStringLiteral("Wojew"), QStringLiteral("Śląskie")},
                 {QStringLiteral("Powiat"), QStringLiteral("cieszyński")},
                 {QStringLiteral("Gmina"), QStringLiteral("Ustroń")},
                 {QStringLiteral("Miasto"), QStringLiteral("Ustroń")},
                 {QStringLiteral("KodPoczt"), QStringLiteral("43-450")},
                 {QStringLiteral("Poczta"), QStringLiteral("Ustroń")}});
    TPit37 m;
    ASSERT_TRUE(m.Load(addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"))));
    m.SetKodPoczt(23, QStringLiteral("43-450"));
    const std::pair<int, const char*> filled[] = {{15, "Polska"}, {16, "Śląskie"}, {17, "cieszyński"},
                                                  {18, "Ustroń"},  {22, "Ustroń"},  {24, "Ustroń"}};
    for (auto [box, text] : filled) EXPECT_EQ(m.Text(box), QString::fromUtf8(text)) << box;

    TPit37 other;
    ASSERT_TRUE(other.Load(addTaxpayer(QStringLiteral("Zieliński"), QStringLiteral("Piotr"),
                                       {{QStringLiteral("Poczta"), QStringLiteral("Wisła")}})));
    other.SetKodPoczt(23, QStringLiteral("43-450"));
    EXPECT_EQ(other.Text(23), QStringLiteral("43-450"));
    for (int box : {15, 16, 17, 18, 22}) EXPECT_EQ(other.Text(box), QString()) << box;
    EXPECT_EQ(other.Text(24), QStringLiteral("Wisła"));
}

// Forms of one person (PIT-36L, PIT-38) use the same identification without a spouse side.
TEST_F(IdentificationTest, SinglePersonLayout)
{
    TIdOptions o;
    o.hasSpouse = false;
    TIdLayout layout{};
    layout.box[0] = {1, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
    TIdentyfikacja id(layout, o);
    id.SetNip(1, QStringLiteral("123-456-32-19"));
    EXPECT_EQ(id.Note(1).text, QStringLiteral("Nieprawidłowy NIP"));
    id.SetPesel(10, kPesel);
    id.SetDataUr(9, QDate(1980, 5, 1));
    EXPECT_EQ(id.Note(10).text, QStringLiteral("Niezgodność data urodzenia - PESEL"));
    EXPECT_EQ(id.Note(9).text, QStringLiteral("Niezgodność data urodzenia - PESEL"));
    id.SetText(2, QStringLiteral("123-456-32-18"));   // no such box here
    EXPECT_EQ(id.Text(2), QString());
    EXPECT_EQ(id.Text(1), QStringLiteral("123-456-32-19"));
}

}  // namespace
