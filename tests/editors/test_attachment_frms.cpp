// The PIT/O and PIT/D editors, the rehabilitation expenses, the attachment choice and the
// organisation picker, driven as a user drives them.

#include "FOdlRehabFrm.h"
#include "FOppFrm.h"
#include "FPitDFrm.h"
#include "FPitOFrm.h"
#include "FWyborZal.h"

#include "EditorTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace {

class PitOFrmTest : public EditorTest<TPitOFrm> {};
class PitDFrmTest : public EditorTest<TPitDFrm> {};

}  // namespace

TEST_F(PitOFrmTest, DeductionsRecomputeTheTotalsAndSurviveSaveAndReopen)
{
    const int id = jointTaxpayer();
    open(id, 1);
    typeBox(13, QStringLiteral("500"));
    typeBox(21, QStringLiteral("800"));
    typeBox(14, QStringLiteral("0"));
    EXPECT_EQ(label(28), U("1 300,00"));
    EXPECT_FALSE(edit(21)->toolTip().isEmpty());   // above the internet limit: the note as hint
    typeInto(frm->findChild<QWidget*>(QStringLiteral("D1Imie")), U("Ola"));
    auto* jan = frm->findChild<QCheckBox*>(QStringLiteral("D15_1"));
    enter(jan);
    QTest::keyClick(jan, Qt::Key_Space);
    frm->PostBtnClick();
    ASSERT_EQ(frm->result(), QDialog::Accepted);

    open(id, 1);
    EXPECT_EQ(edit(13)->text(), U("500,00"));
    EXPECT_EQ(edit(14)->text(), U("0,00"));
    EXPECT_TRUE(edit(15)->IsEmpty());
    EXPECT_EQ(label(28), U("1 300,00"));
    EXPECT_EQ(frm->model().Dziecko(1).Imie, U("Ola"));
    EXPECT_TRUE(frm->findChild<QCheckBox*>(QStringLiteral("D15_1"))->isChecked());
}

TEST_F(PitOFrmTest, PartsShownByAttachmentNumberFilingAndMainForm)
{
    struct Case { int sposob; const char* glowny; int nrZal; bool partB, spouse, b6; };
    const Case cases[] = {
        {1, "PIT-37", 1, true, true, true},
        {0, "PIT-37", 1, true, false, true},
        {1, "PIT-37", 2, false, true, false},
        {0, "PIT-36", 1, true, false, true},
    };
    for (const Case& c : cases) {
        const int id = addTaxpayer(U("Zieliński"), U("Adam"), {{"Sposob", c.sposob}, {"Glowny", c.glowny}, {"PitO", 2}});
        open(id, c.nrZal);
        const std::string what = std::string(c.glowny) + " sposob " + std::to_string(c.sposob) + " zal " + std::to_string(c.nrZal);
        EXPECT_EQ(!frm->boxControl(13)->isHidden(), c.partB) << what;
        EXPECT_EQ(!frm->boxControl(30)->isHidden(), c.partB) << what;
        EXPECT_EQ(!frm->boxControl(14)->isHidden(), c.partB && c.spouse) << what;
        EXPECT_EQ(!frm->boxControl(9)->isHidden(), c.spouse) << what;
        EXPECT_EQ(!frm->boxControl(23)->isHidden(), c.b6) << what;
        EXPECT_EQ(!frm->boxControl(52)->isHidden(), true) << what;   // donations on every attachment
        EXPECT_EQ(!frm->boxControl(53)->isHidden(), c.spouse) << what;
        EXPECT_EQ(frm->findChild<QWidget*>(QStringLiteral("D16_1"))->isEnabled(), c.spouse) << what;
    }
}

TEST_F(PitOFrmTest, EnterInAnEmptyDoneeCountryMeansPoland)
{
    open(jointTaxpayer(), 1);
    auto* country = qobject_cast<QLineEdit*>(frm->boxControl(45));
    enter(country);
    QTest::keyClick(country, Qt::Key_Return);
    EXPECT_EQ(country->text(), U("Polska"));
    EXPECT_EQ(frm->model().Tekst(45), U("Polska"));
    // A country already typed stays.
    auto* second = qobject_cast<QLineEdit*>(frm->boxControl(55));
    typeInto(second, U("Niemcy"));
    QTest::keyClick(second, Qt::Key_Return);
    EXPECT_EQ(second->text(), U("Niemcy"));
}

TEST_F(PitOFrmTest, RehabilitationExpensesFillBox17AndKeepTheOtherBoxes)
{
    const int id = jointTaxpayer();
    open(id, 1);
    typeBox(13, QStringLiteral("500"));
    answerModal<TOdlRehabFrm>([](TOdlRehabFrm* d) {
        d->Kwota[0]->setValue(A("130"));    // January medicines: 30,00 counts
        d->Kwota[1]->setValue(A("90"));     // February: nothing
        d->Kwota[13]->setValue(A("2500"));  // guide dog: 2 280,00
        d->ZapiszBtnClick();
    });
    frm->findChild<QToolButton*>(BoxButtonName(17))->click();
    EXPECT_EQ(edit(17)->text(), U("2 310,00"));
    EXPECT_EQ(label(28), U("2 810,00"));
    EXPECT_EQ(edit(13)->text(), U("500,00"));

    // The amounts were stored as typed: the dialog shows them again, Cancel changes nothing.
    answerModal<TOdlRehabFrm>([](TOdlRehabFrm* d) {
        EXPECT_EQ(d->Kwota[0]->Value(), A("130"));
        EXPECT_EQ(d->Odlicz[13]->text(), U("2 280,00"));
        d->AnulujBtn->click();
    });
    enter(edit(17));
    QTest::keyClick(edit(17), Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(edit(17)->text(), U("2 310,00"));
}

TEST_F(PitDFrmTest, SplitsButtonsAndSpouseAddressFollowTheModel)
{
    const int id = addTaxpayer(U("Lewandowski"), U("Marek"),
                               {{"Sposob", 0}, {"Glowny", "PIT-37"}, {"Kraj", "Polska"}, {"Wojew", "Mazowieckie"},
                                {"Miasto", "Radom"}, {"KodPoczt", "26-600"}, {"Ulica", "Długa"}, {"Posesja", "5"}});
    open(id, 37);
    typeBox(33, QStringLiteral("500"));
    typeBox(35, QStringLiteral("200"));
    EXPECT_EQ(edit(36)->text(), U("300,00"));   // the rest of the pair's total
    typeBox(40, QStringLiteral("1000"));
    EXPECT_EQ(label(42), U("1 000,00"));
    frm->WstawOdliczBtn->click();
    EXPECT_EQ(edit(43)->text(), U("1 000,00"));
    EXPECT_EQ(label(44), U("0,00"));   // all of it deducted in PIT-28
    typeBox(49, QStringLiteral("12000"));
    EXPECT_EQ(edit(49)->text(), U("11 340,00"));   // cut to the limit at once
    frm->Wstaw48Btn->click();
    EXPECT_EQ(edit(52)->text(), U("11 340,00"));

    frm->WstawBtn->menu()->actions().at(1)->trigger();
    EXPECT_EQ(qobject_cast<QLineEdit*>(frm->boxControl(29))->text(), U("Radom"));
    EXPECT_EQ(frm->model().Id().Text(30), U("26-600"));
    frm->WstawBtn->menu()->actions().at(0)->trigger();
    EXPECT_EQ(qobject_cast<QLineEdit*>(frm->boxControl(18))->text(), U("Lewandowski"));
    frm->PostBtnClick();
    ASSERT_EQ(frm->result(), QDialog::Accepted);

    TPitD shared;   // as the main window does: its own model loaded before the window opens
    shared.Load(id, 37);
    TPitDFrm w(shared);
    w.ensureLoaded();
    EXPECT_EQ(w.amountEdit(52)->text(), U("11 340,00"));
    EXPECT_EQ(w.amountEdit(36)->text(), U("300,00"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(w.boxControl(29))->text(), U("Radom"));
}

TEST_F(PitDFrmTest, ErrorRowsOfBothPagesJumpToTheirBox)
{
    open(addTaxpayer(U("Lewandowski"), U("Marek"), {{"Sposob", 0}, {"Glowny", "PIT-37"}}), 37);
    frm->PageControl->setCurrentWidget(frm->TabWeryf);
    ASSERT_GT(DM()->ErrorCount(), 0);
    for (int box : {8, 43}) {
        DM()->AddError({box, QStringLiteral("x")});
        frm->errorRowActivated(DM()->ErrorCount() - 1);
        EXPECT_EQ(QApplication::focusWidget(), frm->boxControl(box)) << box;
    }
}

TEST(WyborZal, GivesTheChosenNumberOrZero)
{
    struct Case { int count, row; bool ok; int result; };
    for (const Case c : {Case{3, 1, true, 2}, Case{2, 0, true, 1}, Case{3, 2, false, 0}}) {
        QTimer::singleShot(10, [c] {
            auto* d = qobject_cast<TWyborZal*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d->ListaZal->count(), c.count);
            EXPECT_EQ(d->ListaZal->item(c.count - 1)->text(), QStringLiteral("Załącznik %1").arg(c.count));
            d->ListaZal->setCurrentRow(c.row);
            if (c.ok) d->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
            else d->reject();
        });
        EXPECT_EQ(TWyborZal::Choose(c.count), c.result);
    }
}

class OppFrmTest : public DataFolderTest {};

TEST_F(OppFrmTest, TownFilterAndChoice)
{
    TTable* t = DM()->Opp;
    t->ensureOpen();
    const char* rows[][3] = {{"0000000001", "Fundacja A", "Olsztyn"}, {"0000000002", "Stowarzyszenie B", "Radom"},
                             {"0000000003", "Fundacja C", "Olsztyn"}};
    for (const auto& r : rows) {
        t->append();
        t->setValue(QStringLiteral("KRS"), QString::fromUtf8(r[0]));
        t->setValue(QStringLiteral("Nazwa"), QString::fromUtf8(r[1]));
        t->setValue(QStringLiteral("Miasto"), QString::fromUtf8(r[2]));
        t->post();
    }
    TOppFrm d;
    EXPECT_EQ(d.EdMiasto->itemText(0), QStringLiteral("Dowolna"));
    EXPECT_EQ(d.EdMiasto->count(), 3);
    EXPECT_EQ(d.rowCount(), 3);
    d.EdMiasto->setCurrentText(QStringLiteral("Radom"));
    EXPECT_EQ(d.rowCount(), 1);
    EXPECT_EQ(d.NazwaLbl->text(), QStringLiteral("Nazwa: Stowarzyszenie B"));
    d.EdMiasto->setCurrentIndex(0);
    EXPECT_EQ(d.rowCount(), 3);
    d.selectRow(2);
    d.WybierzBtnClick();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.krs(), QStringLiteral("0000000003"));
    EXPECT_EQ(d.nazwa(), QStringLiteral("Fundacja C"));
}

TEST_F(PitOFrmTest, JointAttachmentFitsItsPages)
{
    open(addTaxpayer(U("Grzegorzewski-Brzęczyszczykiewicz"), U("Krzysztof"),
                     {{"Sposob", 1}, {"Glowny", "PIT-37"}, {"NIP", "526-000-12-46"}, {"Pesel", "44051401359"},
                      {"MNazwisko", U("Grzegorzewska-Brzęczyszczykiewicz")}, {"MImie", U("Małgorzata")}}),
         1);
    frm->resize(1280, 800);
    for (int box : {13, 14, 17, 18, 21, 22, 26, 27, 30, 31, 35, 36, 40, 41, 52, 53, 62, 63})
        typeBox(box, QStringLiteral("123456.78"));
    typeInto(frm->boxControl(44), U("Fundacja Pomocy Dzieciom Niepełnosprawnym"));
    leave();
    checkPagesFit("pito");
}

TEST_F(PitDFrmTest, JointAttachmentFitsItsPages)
{
    open(addTaxpayer(U("Grzegorzewski-Brzęczyszczykiewicz"), U("Krzysztof"),
                     {{"Sposob", 1}, {"Glowny", "PIT-37"}, {"Kraj", "Polska"}, {"Wojew", U("Warmińsko-Mazurskie")},
                      {"Miasto", "Olsztyn"}, {"KodPoczt", "10-001"}, {"MNazwisko", U("Grzegorzewska")},
                      {"MImie", U("Małgorzata")}}),
         37);
    frm->resize(1280, 800);
    for (int box : {32, 33, 35, 36, 37, 38, 40, 41, 43, 45, 46, 47, 48, 49, 50, 52, 54, 55, 56, 57})
        typeBox(box, QStringLiteral("12345.67"));
    checkPagesFit("pitd");
}
