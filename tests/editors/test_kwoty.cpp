// Itemised amounts: the list over Kwoty.db, its total and result, the box descriptions,
// and the dialogs driven as a user drives them (modal dialogs answered by timers).

#include "FEditKwotaFrm.h"
#include "FKwotyFrm.h"
#include "Globals.h"
#include "KwotaZGFrm.h"
#include "Kwoty.h"
#include "TestEnv.h"
#include "zz_EditCalc.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

Amount A(const char* s) { return *Amount::parse(QString::fromUtf8(s)); }
QString U(const char* s) { return QString::fromUtf8(s); }

// Runs `fn` on the first visible modal dialog of type T, as soon as it shows.
template <class T>
void whenShown(std::function<void(T*)> fn)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, fn] {
        auto* w = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!w || !w->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        fn(w);
    });
    timer->start();
}

// With ZORVIK_SHOTS set to a folder, saves a picture of the widget there.
void shot(QWidget* w, const char* name)
{
    const QString dir = qEnvironmentVariable("ZORVIK_SHOTS");
    if (!dir.isEmpty()) w->grab().save(dir + u'/' + QString::fromLatin1(name) + QStringLiteral(".png"));
}

void fillItem(TEditKwota* d, const QString& opis, const QString& kwota)
{
    d->OpisEdit->setText(opis);
    d->KwotaEdit->setText(kwota);
    d->ZapiszBtn->click();
}

}  // namespace

class Kwoty : public DataFolderTest {
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        podatId = addTaxpayer(U("Kowalski"), U("Jan"));
    }
    int podatId = 0;
};

TEST_F(Kwoty, ListTotalsItsOwnRowsAndStoresEachAtOnce)
{
    TKwotyList list;
    ASSERT_TRUE(list.open({podatId, fkPit37, 0, 40, 1}));
    EXPECT_EQ(list.count(), 0);
    list.insert(U("Umowa 1"), A("100.00"));
    list.insert(U("Umowa 2"), A("250.50"));
    // Rows of other keys are not part of the list.
    TKwotyList other;
    ASSERT_TRUE(other.open({podatId, fkPit37, 1, 40, 1}));
    other.insert(U("Małżonek"), A("999"));
    ASSERT_TRUE(other.open({podatId, fkPit37, 0, 39, 1}));
    other.insert(U("Inna pozycja"), A("999"));
    ASSERT_TRUE(other.open({podatId, fkPitO, 0, 40, 2}));
    other.insert(U("Inny załącznik"), A("999"));

    list.reload();
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.total(), A("350.50"));
    EXPECT_EQ(list.result(), A("350.50"));
    EXPECT_EQ(list.caption(), U("PIT-37 - [poz. 40]"));
    EXPECT_EQ(list.statusText(), U(" Suma: 350,50 zł"));

    // Stored: a fresh data module on the same folder sees the rows.
    dm.reset();
    dm = std::make_unique<TDM>(false);
    ASSERT_TRUE(dm->OpenTables(data->path()));
    TKwotyList again;
    ASSERT_TRUE(again.open({podatId, fkPit37, 0, 40, 1}));
    ASSERT_EQ(again.count(), 2);
    EXPECT_EQ(again.rows()[0].opis, U("Umowa 1"));
    EXPECT_EQ(again.rows()[1].kwota, A("250.50"));
    EXPECT_EQ(dm->KwotyTbl->recordCount(), 5);

    // Editing keeps the row's place; amounts are kept to the grosz; empty texts and 0 are fine.
    const int porz = again.rows()[0].porz;
    EXPECT_EQ(again.update(porz, QString(), A("0.005")), porz);
    EXPECT_EQ(again.rows()[0].opis, QString());
    EXPECT_EQ(again.rows()[0].kwota, A("0.01"));
    EXPECT_EQ(again.update(999999, U("x"), A("1")), 0);   // gone: nothing written
}

TEST_F(Kwoty, PitD49TakesThirtyPercentCappedAndShowsTheDeduction)
{
    struct Case { const char* total; const char* result; };
    const Case cases[] = {{"50000.00", "11340.00"}, {"10000.00", "3000.00"}, {"100.05", "30.02"}, {"0", "0"}};
    for (const Case& c : cases) {
        TKwotyList list;
        ASSERT_TRUE(list.open({podatId, fkPitD, 0, 49, 1}));
        while (list.count() > 0) list.removeAt(0);
        if (!A(c.total).isZero()) list.insert(U("Wpłata"), A(c.total));
        EXPECT_EQ(list.percentage(), 30);
        EXPECT_EQ(list.result(), A(c.result)) << c.total;
    }
    TKwotyList d49;
    ASSERT_TRUE(d49.open({podatId, fkPitD, 0, 49, 1}));
    d49.insert(U("Wpłata"), A("50000"));
    EXPECT_EQ(d49.statusText(), U(" Suma: 50 000,00 zł    Kwota odliczenia: 11 340,00 zł"));

    TKwotyList pitO;   // PIT/O shows the deduction too, at 100 %
    ASSERT_TRUE(pitO.open({podatId, fkPitO, 1, 14, 1}));
    pitO.insert(U("Darowizna"), A("120"));
    EXPECT_EQ(pitO.statusText(), U(" Suma: 120,00 zł    Kwota odliczenia: 120,00 zł"));

    TKwotyList d48;    // another PIT/D box: the plain total
    ASSERT_TRUE(d48.open({podatId, fkPitD, 0, 48, 1}));
    d48.insert(U("Wydatek"), A("50000"));
    EXPECT_EQ(d48.result(), A("50000"));
    EXPECT_EQ(d48.statusText(), U(" Suma: 50 000,00 zł"));
}

TEST_F(Kwoty, DeletingSelectsTheFollowingRowOrThePreviousAtTheEnd)
{
    TKwotyList list;
    ASSERT_TRUE(list.open({podatId, fkPit37, 0, 39, 1}));
    for (const char* o : {"a", "b", "c", "d"}) list.insert(U(o), A("1"));
    EXPECT_EQ(list.removeAt(3), 2);            // last of four: the one before
    EXPECT_EQ(list.removeAt(1), 1);            // middle: the one that followed ("c")
    EXPECT_EQ(list.rows()[1].opis, U("c"));
    EXPECT_EQ(list.removeAt(0), 0);
    EXPECT_EQ(list.removeAt(0), -1);           // the list became empty
    EXPECT_EQ(list.count(), 0);
}

TEST_F(Kwoty, ListThatCannotBeOpenedWarnsAndShowsNothing)
{
    dm->CloseDatabase();
    ASSERT_TRUE(QFile::remove(data->path() + QStringLiteral("/Kwoty.db")));
    TKwotyFrm dlg;
    EXPECT_FALSE(dlg.prepare({podatId, fkPit37, 0, 40, 1}));
    EXPECT_EQ(messages->texts(), QStringList{U("Nie udało się otworzyć tabeli Kwoty.db!")});
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.Execute(podatId, fkPit37, 0, 40, 1), int(QDialog::Rejected));
}

TEST(KwotyOpisy, DescriptionsPerFormAndBox)
{
    struct Case { int form; int box; const char* text; };
    const Case cases[] = {
        {fkPit37, 39, "Wynagrodzenia ze stosunku: pracy, służbowego, spółdzielczego i z pracy nakładczej, a także "
                      "zasiłki pieniężne z ubezpieczenia społecznego, wypłacone przez zakład pracy - przychód "
                      "podatnika"},
        {fkPit37, 93, "Składki na ubezpieczenia społeczne - podatnik"},
        {fkPit36L, 59, "Suma zaliczek wpłaconych przez podatnika"},
        {fkPitO, 17, "Wydatki na cele rehabilitacyjne oraz wydatki związane z ułatwieniem wykonywania czynności "
                     "życiowych - podatnik"},
        {fkPit37, 41, ""},     // a computed box
        {fkPitD, 49, ""},      // not in the PIT/D table
        {fkPit38, 23, ""},     // forms without descriptions
        {fkPitZG, 7, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(BoxDescription(c.form, c.box), U(c.text)) << c.form << "/" << c.box;
    for (int box : {39, 40, 43, 44, 46, 47, 48, 51, 52, 53, 56, 57, 58, 61, 66, 67, 70, 71, 73, 74, 75, 78, 79, 80,
                    83, 84, 85, 88, 93, 94, 108, 110, 111})
        EXPECT_FALSE(BoxDescription(fkPit37, box).isEmpty()) << box;
    EXPECT_TRUE(BoxDescription(fkPit37, 67).endsWith(U("koszty uzyskania przychodu małżonka")));
}

// ---- Dialogs -------------------------------------------------------------------------------

TEST_F(Kwoty, DialogAddsEditsAndDeletesRowsAndKeepsTheTotal)
{
    TKwotyFrm dlg;
    ASSERT_TRUE(dlg.prepare({podatId, fkPit37, 0, 40, 1}));
    EXPECT_EQ(dlg.windowTitle(), U("PIT-37 - [poz. 40]"));
    EXPECT_TRUE(dlg.PozycjaOpisLbl->text().endsWith(U("koszty uzyskania przychodu podatnika")));
    EXPECT_FALSE(dlg.PoprawBtn->isEnabled());
    EXPECT_FALSE(dlg.UsunBtn->isEnabled());
    dlg.show();

    const char* items[][2] = {{"Umowa 1", "100"}, {"Umowa 2", "zł 250,50"}, {"Umowa 3", "12a3"}};
    for (auto& it : items) {
        whenShown<TEditKwota>([&](TEditKwota* d) { fillItem(d, U(it[0]), U(it[1])); });
        dlg.DodajBtn->click();
        EXPECT_EQ(dlg.currentRow(), dlg.list().count() - 1);   // the posted row is selected
    }
    EXPECT_EQ(dlg.statusText(), U(" Suma: 473,50 zł"));
    EXPECT_TRUE(dlg.PoprawBtn->isEnabled());
    EXPECT_EQ(dlg.Grid->model()->index(1, 1).data().toString(), U("250,50"));
    shot(&dlg, "kwoty_frm");

    // Edit the second row; cancel an edit of the first.
    dlg.selectRow(1);
    whenShown<TEditKwota>([&](TEditKwota* d) {
        shot(d, "edit_kwota");
        EXPECT_EQ(d->OpisEdit->text(), U("Umowa 2"));
        EXPECT_EQ(d->KwotaEdit->text(), U("250,50"));
        fillItem(d, U("Umowa 2 poprawiona"), QStringLiteral("200"));
    });
    dlg.PoprawBtn->click();
    EXPECT_EQ(dlg.currentRow(), 1);
    dlg.selectRow(0);
    whenShown<TEditKwota>([&](TEditKwota* d) {
        d->OpisEdit->setText(QStringLiteral("nie zapisane"));
        d->AnulujBtn->click();
    });
    dlg.PoprawBtn->click();
    EXPECT_EQ(dlg.list().rows()[0].opis, U("Umowa 1"));
    EXPECT_EQ(dlg.statusText(), U(" Suma: 423,00 zł"));

    // Delete the last row: asked first; "No" keeps it, "Yes" deletes and selects the one before.
    dlg.selectRow(2);
    messages->answerNext(false);
    dlg.UsunBtn->click();
    EXPECT_EQ(dlg.list().count(), 3);
    messages->answerNext(true);
    dlg.UsunBtn->click();
    EXPECT_EQ(messages->texts().last(), U("Usunąć bieżącą pozycję z wykazu?"));
    EXPECT_EQ(dlg.list().count(), 2);
    EXPECT_EQ(dlg.currentRow(), 1);
    EXPECT_EQ(dlg.statusText(), U(" Suma: 300,00 zł"));
    EXPECT_EQ(dlg.Result(), A("300"));
    dlg.hide();
}

TEST_F(Kwoty, ItemisedTotalLandsInTheBoxAndRunsItsExitHandling)
{
    TKwotyList list;
    ASSERT_TRUE(list.open({podatId, fkPit37, 0, 39, 1}));
    list.insert(U("Pracodawca A"), A("100.00"));
    list.insert(U("Pracodawca B"), A("250.50"));

    TGSkEditCalc box;
    box.setDisplayFormat(QStringLiteral("#,##0.00"));
    box.setCheckOptions({});
    int exits = 0;
    Amount seen;
    QObject::connect(&box, &TGSkEditCalc::exited, [&] {
        ++exits;
        seen = box.Value();
    });

    whenShown<TKwotyFrm>([](TKwotyFrm* d) { d->AnulujBtn->click(); });
    EXPECT_FALSE(ItemiseAmount(&box, {podatId, fkPit37, 0, 39, 1}));
    EXPECT_TRUE(box.IsEmpty());
    EXPECT_EQ(exits, 0);

    whenShown<TKwotyFrm>([](TKwotyFrm* d) { d->ZapiszBtn->click(); });
    EXPECT_TRUE(ItemiseAmount(&box, {podatId, fkPit37, 0, 39, 1}));
    EXPECT_EQ(box.text(), U("350,50"));
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(seen, A("350.50"));

    // An empty list gives 0, shown as 0,00 (not blank).
    box.setIsEmpty(true);
    whenShown<TKwotyFrm>([](TKwotyFrm* d) { d->ZapiszBtn->click(); });
    EXPECT_TRUE(ItemiseAmount(&box, {podatId, fkPit37, 0, 40, 1}));
    EXPECT_EQ(box.text(), U("0,00"));
}

TEST_F(Kwoty, EditOfAGoneRowShowsNothing)
{
    TKwotyList list;
    ASSERT_TRUE(list.open({podatId, fkPit37, 0, 39, 1}));
    const int porz = list.insert(U("x"), A("1"));
    list.removeAt(0);
    TEditKwota d(&list);
    EXPECT_FALSE(d.startEdit(porz));
}

TEST(KwotaZG, SumOfOwnAndPitZGAmounts)
{
    TKwotaZG dlg;
    auto* other = new QPushButton(&dlg);
    dlg.prepare(A("500"), A("100"));
    EXPECT_EQ(dlg.PitZGLbl->text(), U("500,00"));
    EXPECT_EQ(dlg.SumaLbl->text(), U("600,00"));
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    dlg.KwotaEdit->setFocus(Qt::TabFocusReason);
    dlg.KwotaEdit->selectAll();
    QTest::keyClicks(dlg.KwotaEdit, QStringLiteral("1250,5"));
    other->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(dlg.SumaLbl->text(), U("1 750,50"));
    EXPECT_EQ(dlg.Result(), A("1250.50"));
    shot(&dlg, "kwota_zg");
    dlg.hide();
}
