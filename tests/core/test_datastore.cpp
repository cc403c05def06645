// The data module over a real data folder made by the installation step.

#include "Globals.h"
#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

class DataStore : public DataFolderTest {};

TEST_F(DataStore, EveryTableOpensWithItsColumns)
{
    EXPECT_EQ(dm->tables().size(), 25);
    for (TTable* t : dm->tables()) EXPECT_TRUE(t->isOpen()) << t->name().toStdString();
    EXPECT_TRUE(QFile::exists(data->path() + QStringLiteral("/PitB.DB")));
    EXPECT_TRUE(QFile::exists(data->path() + QStringLiteral("/Nip3.DB")));
    EXPECT_TRUE(QFile::exists(data->path() + QStringLiteral("/Margin.db")));
    EXPECT_TRUE(dm->TableHasField(dm->PitO, QStringLiteral("d56caly")));
    EXPECT_TRUE(dm->TableHasField(dm->Pit36, QStringLiteral("P304")));
    EXPECT_TRUE(dm->TableHasField(dm->NIP1, QStringLiteral("F124_7")));
    EXPECT_FALSE(dm->TableHasField(dm->Pit37, QStringLiteral("P38")));
    EXPECT_EQ(dm->Imiona->recordCount(), 3335);
    EXPECT_EQ(dm->Urzedy->recordCount(), 400);
    ASSERT_EQ(dm->Domysl->recordCount(), 1);
    EXPECT_EQ(dm->Domysl->asString(QStringLiteral("Kraj")), QStringLiteral("Polska"));
    EXPECT_TRUE(messages->records().isEmpty());
}

TEST_F(DataStore, MissingTableStopsOpeningWithOneWarning)
{
    dm.reset();
    ASSERT_TRUE(QFile::remove(data->path() + QStringLiteral("/Pit38.db")));
    messages->clear();
    dm = std::make_unique<TDM>(false);
    EXPECT_FALSE(dm->OpenTables(data->path()));
    ASSERT_EQ(messages->count(), 1);
    EXPECT_EQ(messages->records()[0].caption, QStringLiteral("Uwaga"));
    EXPECT_EQ(messages->records()[0].text,
              QStringLiteral("Nie udało się otworzyć pliku: Pit38.db\rw folderze: ") + data->path());
    QStringList open;
    for (TTable* t : dm->tables())
        if (t->isOpen()) open << t->name();
    EXPECT_EQ(open, (QStringList{"Podatnik", "aPodatnik", "Pit36", "Pit36L", "Pit37"}));
    // The queries were not pointed at the folder: they still look in the working folder.
    EXPECT_THROW(dm->Kraje->open(), DbError);
}

TEST_F(DataStore, IdsAreNeverHandedOutAgain)
{
    const int a = addTaxpayer(QStringLiteral("Adamski"), QStringLiteral("Jan"));
    const int b = addTaxpayer(QStringLiteral("Bąk"), QStringLiteral("Ewa"));
    ASSERT_TRUE(dm->Podatnik->locate(QStringLiteral("PodatId"), b));
    dm->Podatnik->remove();
    const int c = addTaxpayer(QStringLiteral("Cebula"), QStringLiteral("Piotr"));
    EXPECT_GT(c, b);
    EXPECT_GT(b, a);
    // Also after the file was closed and opened again.
    dm->CloseDatabase();
    ASSERT_TRUE(dm->OpenTables(data->path()));
    ASSERT_TRUE(dm->Podatnik->locate(QStringLiteral("PodatId"), c));
    dm->Podatnik->remove();
    EXPECT_GT(addTaxpayer(QStringLiteral("Dudek"), QStringLiteral("Anna")), c);
}

TEST_F(DataStore, NullAndZeroSurviveARoundTrip)
{
    TTable* t = dm->Pit37;
    t->append();
    t->setValue(QStringLiteral("PodatId"), 7);
    t->setAmount(QStringLiteral("P39"), std::nullopt);
    t->setAmount(QStringLiteral("P40"), Amount());
    t->setAmount(QStringLiteral("P43"), "1234.5678"_zl);
    t->setValue(QStringLiteral("P129"), false);
    t->post();
    dm->CloseDatabase();
    ASSERT_TRUE(dm->OpenTables(data->path()));
    ASSERT_TRUE(dm->Pit37->locate(QStringLiteral("PodatId"), 7));
    EXPECT_FALSE(dm->Pit37->amountOrNull(QStringLiteral("P39")).has_value());
    EXPECT_TRUE(dm->Pit37->isNull(QStringLiteral("P39")));
    ASSERT_TRUE(dm->Pit37->amountOrNull(QStringLiteral("P40")).has_value());
    EXPECT_EQ(*dm->Pit37->amountOrNull(QStringLiteral("P40")), Amount());
    EXPECT_EQ(dm->Pit37->asAmount(QStringLiteral("P43")), "1234.5678"_zl);
    EXPECT_FALSE(dm->Pit37->isNull(QStringLiteral("P129")));
    EXPECT_TRUE(dm->Pit37->isNull(QStringLiteral("P135_1")));
}

TEST_F(DataStore, OverLongTextIsRefusedNotCut)
{
    TTable* t = dm->Podatnik;
    t->append();
    t->setValue(QStringLiteral("Nazwisko"), QString(51, u'Ś'));
    try {
        t->post();
        FAIL() << "post accepted a 51-character surname";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Nazwisko"))) << e.what();
    }
    t->cancel();
    EXPECT_EQ(t->recordCount(), 0);
    // Fifty Polish letters fit.
    addTaxpayer(QString(50, u'Ś'), QStringLiteral("Jan"));
    EXPECT_EQ(t->asString(QStringLiteral("Nazwisko")).size(), 50);
}

TEST_F(DataStore, EveryPostIsOnDiskAtOnce)
{
    for (int i = 0; i < 3; ++i) addTaxpayer(QStringLiteral("Nowak%1").arg(i), QStringLiteral("Jan"));
    // A loop that fails on its fourth row keeps the three rows before it.
    TTable* t = dm->Podatnik;
    t->append();
    t->setValue(QStringLiteral("Nazwisko"), QString(60, u'x'));
    EXPECT_THROW(t->post(), DbError);
    t->cancel();
    // Another connection (another process would see the same) reads them from the file.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("outside"));
        db.setDatabaseName(data->path() + QStringLiteral("/Podatnik.db"));
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("SELECT count(*) FROM Podatnik")));
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value(0).toInt(), 3);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("outside"));
}

TEST_F(DataStore, RegisterIsInPolishSurnameOrderWithRowNumbers)
{
    for (const char* s : {"Żak", "Ścibor", "adamski", "Szulc", "Łukasik", "Lis", "Ćwik", "Cebula"})
        addTaxpayer(QString::fromUtf8(s), QStringLiteral("Jan"));
    addTaxpayer(QStringLiteral("Lis"), QStringLiteral("Adam"));
    QStringList order, lp;
    TTable* t = dm->Podatnik;
    for (t->first(); !t->eof(); t->next()) {
        order << t->asString(QStringLiteral("Nazwisko")) + u' ' + t->asString(QStringLiteral("Imie"));
        lp << t->asString(QStringLiteral("Lp"));
    }
    EXPECT_EQ(order, (QStringList{"adamski Jan", "Cebula Jan", "Ćwik Jan", "Lis Adam", "Lis Jan", "Łukasik Jan",
                                  "Szulc Jan", "Ścibor Jan", "Żak Jan"}));
    EXPECT_EQ(lp.first(), QStringLiteral("1"));
    EXPECT_EQ(lp.last(), QStringLiteral("9"));
}

TEST_F(DataStore, LocateIgnoringCaseWithPolishLetters)
{
    addTaxpayer(QStringLiteral("Ślązak"), QStringLiteral("Łukasz"));
    addTaxpayer(QStringLiteral("Śliwa"), QStringLiteral("Ewa"));
    addTaxpayer(QStringLiteral("Sikora"), QStringLiteral("Ewa"));
    TTable* t = dm->Podatnik;
    ASSERT_TRUE(t->locate(QStringLiteral("Nazwisko"), QStringLiteral("śl"), TTable::CaseInsensitive | TTable::PartialKey));
    EXPECT_EQ(t->asString(QStringLiteral("Nazwisko")), QStringLiteral("Ślązak"));
    EXPECT_FALSE(t->locate(QStringLiteral("Nazwisko"), QStringLiteral("zz"), TTable::PartialKey));
    EXPECT_EQ(t->asString(QStringLiteral("Nazwisko")), QStringLiteral("Ślązak"));  // stays put
    EXPECT_TRUE(dm->TaxpayerExists(QStringLiteral("ŚLĄZAK"), QStringLiteral("łukasz")));
    EXPECT_FALSE(dm->TaxpayerExists(QStringLiteral("Ślązak"), QStringLiteral("Ewa")));
}

TEST_F(DataStore, NameSexLookUps)
{
    struct Case { const char* name; bool female; bool male; };
    const Case cases[] = {
        {"anna", true, false}, {" Jan ", false, true}, {"Łucja", true, false}, {"", false, false},
        {"Xyzzy", false, false}, {"ŁUKASZ", false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dm->IsFemaleName(QString::fromUtf8(c.name)), c.female) << c.name;
        EXPECT_EQ(dm->IsMaleName(QString::fromUtf8(c.name)), c.male) << c.name;
    }
}

TEST_F(DataStore, TaxOfficeNameOfNoneAndOfADeletedOffice)
{
    EXPECT_TRUE(dm->TaxOfficeName(0).isEmpty());
    EXPECT_EQ(dm->TaxOfficeName(1), QStringLiteral("URZĄD SKARBOWY W BOLESŁAWCU"));
    ASSERT_TRUE(dm->Urzedy->locate(QStringLiteral("UrzadId"), 1));
    dm->Urzedy->remove();
    EXPECT_TRUE(dm->TaxOfficeName(1).isEmpty());
}

TEST_F(DataStore, MarginsAndCorrectionsDefaultToZero)
{
    EXPECT_EQ(dm->LeftMargin(fkPit37, 1), 0);
    EXPECT_EQ(dm->CorrectionX(fkPit37, 40), 0);
    TTable* m = dm->Marginesy;
    m->append();
    m->setValue(QStringLiteral("SymbolPit"), QStringLiteral("PIT-37"));
    m->setValue(QStringLiteral("Strona"), 2);
    m->setValue(QStringLiteral("Lewy"), 3);
    m->setValue(QStringLiteral("Gorny"), -2);
    m->post();
    EXPECT_EQ(dm->LeftMargin(fkPit37, 2), 3);
    EXPECT_EQ(dm->TopMargin(fkPit37, 2), -2);
    EXPECT_EQ(dm->LeftMargin(fkPit37, 1), 0);
    EXPECT_EQ(dm->LeftMargin(fkPit36, 2), 0);
    // PIT-37 comes with its rows from the installation; PIT-38 has none yet.
    EXPECT_EQ(dm->CorrectionX(fkPit38, 40), 0);
    TTable* k = dm->Korekta;
    k->append();
    k->setValue(QStringLiteral("Pit"), QStringLiteral("PIT-38"));
    k->setValue(QStringLiteral("Pole"), 40);
    k->setValue(QStringLiteral("KorX"), 2);
    k->setValue(QStringLiteral("KorY"), -1);
    k->post();
    EXPECT_EQ(dm->CorrectionX(fkPit38, 40), 2);
    EXPECT_EQ(dm->CorrectionY(fkPit38, 40), -1);
    EXPECT_EQ(dm->CorrectionY(fkPit38, 41), 0);
    EXPECT_EQ(dm->CorrectionX(fkPit37, 40), 0);
}

TEST_F(DataStore, ForeignSumsOverAttachmentsLeaveTheCurrentRow)
{
    TTable* z = dm->Zagranica;
    struct Row { const char* rodz; int nr; int pole; const char *income, *costs; };
    const Row rows[] = {{"P", 1, 11, "100.10", "10"}, {"P", 2, 11, "200.20", "20"}, {"P", 3, 11, "999", "9"},
                        {"M", 1, 11, "50", "5"},      {"P", 1, 14, "7", "1"}};
    for (const Row& r : rows) {
        z->append();
        z->setValue(QStringLiteral("PodatId"), 5);
        z->setValue(QStringLiteral("Rodz"), QString::fromLatin1(r.rodz));
        z->setValue(QStringLiteral("NrZal"), r.nr);
        z->setValue(QStringLiteral("Pole"), r.pole);
        z->setAmount(QStringLiteral("Przychod"), Amount::parse(QString::fromLatin1(r.income)));
        z->setAmount(QStringLiteral("Koszty"), Amount::parse(QString::fromLatin1(r.costs)));
        z->post();
    }
    ASSERT_TRUE(z->moveTo(2));
    const qint64 before = z->bookmark();
    EXPECT_EQ(dm->SumForeignIncome(5, 0, 2, 11), "300.30"_zl);
    EXPECT_EQ(dm->SumForeignCosts(5, 0, 3, 11), "39"_zl);
    EXPECT_EQ(dm->SumForeignIncome(5, 1, 1, 11), "50"_zl);
    EXPECT_EQ(dm->SumForeignIncome(5, 0, 0, 11), Amount());
    EXPECT_EQ(dm->SumForeignIncome(6, 0, 3, 11), Amount());
    EXPECT_EQ(z->bookmark(), before);
}

TEST_F(DataStore, AddressCompletionQueriesTakeParameters)
{
    addTaxpayer(QStringLiteral("A"), QStringLiteral("B"),
                {{"Kraj", "Polska"}, {"Wojew", "Śląskie"}, {"Powiat", "bielski"}, {"KodPoczt", "43-300"}});
    addTaxpayer(QStringLiteral("C"), QStringLiteral("D"),
                {{"Kraj", "Polska"}, {"Wojew", "Śląskie"}, {"Powiat", "bielski"}, {"KodPoczt", "43-300"}});
    TQuery* q = dm->pKodPoczt;
    q->setParam(QStringLiteral("KodPoczt"), QStringLiteral("43-300"));
    q->open();
    ASSERT_EQ(q->recordCount(), 1);
    EXPECT_EQ(q->asString(QStringLiteral("Wojew")), QStringLiteral("Śląskie"));
    q->setParam(QStringLiteral("KodPoczt"), QStringLiteral("00-001"));
    q->open();
    EXPECT_EQ(q->recordCount(), 0);
    dm->Kraje->open();
    EXPECT_EQ(dm->Kraje->recordCount(), 2);
}

TEST_F(DataStore, ErrorListKeepsOrderAndSummarises)
{
    EXPECT_EQ(dm->ErrorSummary(), QStringLiteral(" W formularzu nie znaleziono błędów"));
    dm->AddError({1, QStringLiteral("NIP podatnika nie podany")});
    EXPECT_EQ(dm->BledyTbl->currentRow(), 0);
    dm->AddError({0, QStringLiteral("bez pola")});
    dm->BledyTbl->setCurrentRow(1);
    dm->AddError({14, QStringLiteral("PESEL nie podany")});
    EXPECT_EQ(dm->BledyTbl->currentRow(), 0);
    EXPECT_EQ(dm->ErrorCount(), 3);
    EXPECT_EQ(dm->ErrorSummary(), QStringLiteral(" Liczba błędów i ostrzeżeń: 3"));
    EXPECT_EQ(dm->BledyTbl->at(2).NrPola, 14);
    dm->ClearErrors();
    EXPECT_EQ(dm->ErrorCount(), 0);
}

TEST_F(DataStore, TwoComponentsOverOneFileSeeEachOthersRows)
{
    const int id = addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"));
    TTable* a = dm->aPodatnik;
    ASSERT_TRUE(a->locate(QStringLiteral("PodatId"), id));
    dm->Podatnik->edit();
    dm->Podatnik->setValue(QStringLiteral("Imie"), QStringLiteral("Janusz"));
    dm->Podatnik->post();
    EXPECT_EQ(a->asString(QStringLiteral("Imie")), QStringLiteral("Janusz"));
    EXPECT_EQ(a->recordCount(), 1);
}

TEST_F(DataStore, UniqueKeyRefusesASecondRowForTheSameTaxpayer)
{
    for (int i = 0; i < 2; ++i) {
        dm->Pit37->append();
        dm->Pit37->setValue(QStringLiteral("PodatId"), 3);
        if (i == 0) dm->Pit37->post();
        else EXPECT_THROW(dm->Pit37->post(), DbError);
    }
    dm->Pit37->cancel();
    EXPECT_EQ(dm->Pit37->recordCount(), 1);
}
