// The PIT-37 editor driven as a user drives it: typing into boxes, leaving them, reading
// what the labels show, saving and opening again.

#include "FPit37Frm.h"

#include "EditorTest.h"

#include "FKwotyFrm.h"
#include "FOppFrm.h"
#include "Globals.h"
#include "KrataWidget.h"
#include "NumWeryf.h"
#include "TestEnv.h"
#include "zz_EditCalc.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <functional>
#include <memory>

class Pit37FrmTest : public EditorTest<TPit37Frm> {
protected:
    void TearDown() override
    {
        TPit37Frm::OfficeList() = {};
        EditorTest::TearDown();
    }
};

TEST_F(Pit37FrmTest, TypingRevenueRecomputesIncomeTotalsAndTaxAtOnce)
{
    open(addTaxpayer(U("Nowak"), U("Ewa"), {{"Sposob", 0}, {"Glowny", "PIT-37"}}));
    EXPECT_EQ(label(41), QString());   // nothing typed: income not shown
    typeBox(39, QStringLiteral("50000"));
    EXPECT_EQ(label(41), U("50 000,00"));
    EXPECT_EQ(label(62), U("50 000,00"));
    EXPECT_EQ(label(64), U("50 000,00"));
    // 7 866,25 + 30% of (50 000 - 44 490) = 9 519,25, due in whole zloty.
    EXPECT_EQ(label(120), U("9 519"));
    // Costs from the menu act as if typed and left.
    auto* costs = qobject_cast<QPushButton*>(named("RxSpeedButton1"));
    costs->menu()->actions().at(0)->trigger();
    EXPECT_EQ(edit(40)->text(), U("1 335,00"));
    EXPECT_EQ(label(41), U("48 665,00"));
    EXPECT_EQ(frm->focusWidget(), edit(40));
}

TEST_F(Pit37FrmTest, BlankStaysBlankAndTypedZeroStaysZeroThroughSaveAndReopen)
{
    const int id = jointTaxpayer();
    open(id);
    typeBox(40, QStringLiteral("0"));
    typeBox(93, QStringLiteral("0"));
    EXPECT_EQ(edit(40)->text(), U("0,00"));
    EXPECT_TRUE(edit(39)->IsEmpty());
    // A refresh after another box changed keeps both.
    typeBox(47, QStringLiteral("100"));
    EXPECT_TRUE(edit(39)->IsEmpty());
    EXPECT_EQ(edit(40)->text(), U("0,00"));

    frm->PostBtnClick();
    EXPECT_EQ(frm->result(), QDialog::Accepted);
    EXPECT_TRUE(messages->texts().isEmpty()) << messages->texts().join(u'|').toStdString();

    open(id);
    EXPECT_TRUE(edit(39)->IsEmpty());
    EXPECT_EQ(edit(40)->text(), U("0,00"));
    EXPECT_EQ(edit(93)->text(), U("0,00"));
    EXPECT_EQ(edit(47)->text(), U("100,00"));
    EXPECT_TRUE(frm->model().GetEmpty(39));
    EXPECT_FALSE(frm->model().GetEmpty(40));
}

TEST_F(Pit37FrmTest, PurposeSquaresAreNeverBothClear)
{
    open(jointTaxpayer());
    auto* filing = qobject_cast<QCheckBox*>(named("F10_1"));
    auto* correction = qobject_cast<QCheckBox*>(named("F10_2"));
    EXPECT_TRUE(filing->isChecked());
    EXPECT_FALSE(correction->isChecked());
    struct Step { QCheckBox* click; bool filing, correction; };
    const Step steps[] = {{filing, false, true}, {filing, true, false}, {correction, false, true}, {correction, true, false}};
    for (const Step& s : steps) {
        QTest::mouseClick(s.click, Qt::LeftButton, {}, QPoint(6, s.click->height() / 2));
        EXPECT_EQ(filing->isChecked(), s.filing);
        EXPECT_EQ(correction->isChecked(), s.correction);
        EXPECT_EQ(frm->model().GetCel(1), s.filing);
        EXPECT_EQ(frm->model().GetCel(2), s.correction);
    }
}

TEST_F(Pit37FrmTest, VoivodeshipCompletesWhileTypingAndNeverWhileDeleting)
{
    open(jointTaxpayer());
    auto* w = qobject_cast<QLineEdit*>(named("FWojew"));
    enter(w);
    QTest::keyClicks(w, QStringLiteral("wa"));
    EXPECT_EQ(w->text(), U("Warmińsko-Mazurskie"));
    EXPECT_EQ(w->selectedText(), U("rmińsko-Mazurskie"));   // typing on overwrites the tail
    QTest::keyClick(w, Qt::Key_Backspace);                     // the selected tail goes
    EXPECT_EQ(w->text(), U("Wa"));
    QTest::keyClick(w, Qt::Key_Backspace);
    EXPECT_EQ(w->text(), U("W"));
    QTest::keyClicks(w, QStringLiteral("i"));
    EXPECT_EQ(w->text(), U("Wielkopolskie"));
    leave();
    EXPECT_EQ(frm->model().Text(16), U("Wielkopolskie"));
}

TEST_F(Pit37FrmTest, ErrorRowOfComputedBoxDoesNothingOfTypedBoxFocusesIt)
{
    open(jointTaxpayer());
    typeBox(39, QStringLiteral("50000"));
    enter(edit(93));
    frm->PageControl->setCurrentWidget(frm->TabWeryf);
    ASSERT_GT(DM()->ErrorCount(), 0);
    EXPECT_EQ(frm->BladPan->text(), DM()->ErrorSummary());
    DM()->AddError({41, QStringLiteral("wiersz pola obliczanego")});

    auto rowOf = [](int box) {
        for (int i = 0; i < DM()->BledyTbl->count(); ++i)
            if (DM()->BledyTbl->at(i).NrPola == box) return i;
        return -1;
    };
    auto dclick = [this](int row) {
        const QModelIndex i = frm->BledyGrid->model()->index(row, 1);
        frm->BledyGrid->scrollTo(i);
        QApplication::processEvents();
        const QRect r = frm->BledyGrid->visualRect(i);
        // A double click as the platform delivers it: press, release, then the double-click press.
        QTest::mouseClick(frm->BledyGrid->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(frm->BledyGrid->viewport(), Qt::LeftButton, {}, r.center());
        QApplication::processEvents();
    };
    ASSERT_GE(rowOf(41), 0);
    ASSERT_GE(rowOf(40), 0);   // row 1 with revenue but no costs
    dclick(rowOf(41));
    EXPECT_EQ(frm->PageControl->currentWidget(), frm->TabWeryf);
    dclick(rowOf(40));
    EXPECT_EQ(frm->PageControl->currentIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), edit(40));
    // From the keyboard: Enter on a row does what the double click does.
    frm->PageControl->setCurrentWidget(frm->TabWeryf);
    DM()->AddError({93, QStringLiteral("wiersz pola wpisywanego")});
    frm->BledyGrid->setFocus();
    frm->BledyGrid->setCurrentIndex(frm->BledyGrid->model()->index(rowOf(93), 1));
    QTest::keyClick(frm->BledyGrid, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), edit(93));
}

TEST_F(Pit37FrmTest, PeselFillsAnEmptyBirthDateOnly)
{
    open(jointTaxpayer());
    auto* date = qobject_cast<QLineEdit*>(named("FDataUr"));
    typeInto(named("FPesel"), QStringLiteral("44051401359"));
    leave();
    EXPECT_EQ(date->text(), QStringLiteral("14-05-1944"));

    auto* mdate = qobject_cast<QLineEdit*>(named("FMDataUr"));
    typeInto(mdate, QStringLiteral("01021950"));
    leave();
    EXPECT_EQ(mdate->text(), QStringLiteral("01-02-1950"));
    typeInto(named("FMPesel"), QStringLiteral("02070803628"));
    leave();
    EXPECT_EQ(mdate->text(), QStringLiteral("01-02-1950"));
    // ... and the mismatch shows as the PESEL's note.
    EXPECT_FALSE(named("FMPesel")->toolTip().isEmpty());
}

TEST_F(Pit37FrmTest, SpouseControlsOnlyInJointFiling)
{
    struct Case { int sposob; bool shown; };
    for (const Case c : {Case{0, false}, Case{1, true}, Case{3, false}}) {
        open(addTaxpayer(U("Wiśniewski"), U("Piotr"), {{"Sposob", c.sposob}, {"Glowny", "PIT-37"}}));
        for (const char* n : {"F66", "F67", "F67Btn", "KosztyMalBtn", "WstawBtn", "FMNazwisko", "FMNip", "F94", "F8"})
            EXPECT_EQ(!named(n)->isHidden(), c.shown) << n << " sposob " << c.sposob;
        EXPECT_FALSE(named("F39")->isHidden());
        auto* frame = frm->findChild<TKrataWidget*>(BoxTagName(66));
        EXPECT_EQ(frame->krata()->Brush().color(), EditColour(c.shown)) << c.sposob;
    }
}

TEST_F(Pit37FrmTest, MalformedAmountShowsTheMessageAndKeepsTheFocus)
{
    open(jointTaxpayer());
    typeInto(edit(44), QStringLiteral("12a3"));
    leave();
    QApplication::processEvents();
    ASSERT_EQ(messages->texts(), QStringList{TGSkEditCalc::InvalidContentMessage()});
    EXPECT_EQ(QApplication::focusWidget(), edit(44));
    EXPECT_EQ(edit(44)->text(), QStringLiteral("12a3"));   // kept for correcting
    EXPECT_EQ(frm->model().GetPole(44), A("123"));         // what could be read went on
}

TEST_F(Pit37FrmTest, SavingNeedsSurnameAndFirstName)
{
    const int id = jointTaxpayer();
    open(id);
    typeInto(named("FImie"), QString());
    leave();
    frm->PostBtnClick();
    EXPECT_EQ(messages->texts(), QStringList{U("Imię musi być podane.")});
    EXPECT_TRUE(frm->isVisible());
    messages->clear();
    typeInto(named("FNazwisko"), QStringLiteral("  "));
    frm->PostBtnClick();   // by shortcut: the focus is still in the surname
    EXPECT_EQ(messages->texts(), QStringList{U("Nazwisko musi być podane.")});
    EXPECT_TRUE(frm->isVisible());
}

TEST_F(Pit37FrmTest, TypedValuesSurviveEveryDialogOfTheWindow)
{
    const int id = jointTaxpayer();
    DM()->Opp->ensureOpen();
    DM()->Opp->append();
    DM()->Opp->setValue(QStringLiteral("KRS"), QStringLiteral("0000012345"));
    DM()->Opp->setValue(QStringLiteral("Nazwa"), U("Fundacja Pomocy Zwierzętom"));
    DM()->Opp->setValue(QStringLiteral("Miasto"), U("Olsztyn"));
    DM()->Opp->post();
    open(id);
    typeBox(39, QStringLiteral("1000"));
    typeInto(named("FUlica"), U("Polna"));
    leave();
    auto typedStays = [this](const char* after) {
        EXPECT_EQ(edit(39)->text(), U("1 000,00")) << after;
        EXPECT_EQ(frm->model().GetPole(39), A("1000")) << after;
        EXPECT_EQ(qobject_cast<QLineEdit*>(named("FUlica"))->text(), U("Polna")) << after;
        EXPECT_EQ(frm->model().Text(19), U("Polna")) << after;
    };

    // Notes: written to the register by their editor, then only the notes view is read again.
    TDeklFrm::NotesEditor() = [id](QWidget*, int podatId) {
        EXPECT_EQ(podatId, id);
        DM()->Podatnik->locate(QStringLiteral("PodatId"), id);
        DM()->Podatnik->edit();
        DM()->Podatnik->setValue(QStringLiteral("Notatki"), U("zadzwonić w marcu"));
        DM()->Podatnik->post();
        return true;
    };
    frm->Panel1->click();
    EXPECT_EQ(frm->NotatkiView->toPlainText(), U("zadzwonić w marcu"));
    typedStays("notes");

    // Office list: a new office appears in the list, the chosen office stays chosen.
    frm->FUrzad->setCurrentIndex(2);
    frm->FUrzad->setFocus();
    leave();
    const QString chosen = frm->FUrzad->currentText();
    TPit37Frm::OfficeList() = [](QWidget*) {
        DM()->Urzedy->append();
        DM()->Urzedy->setValue(QStringLiteral("Nazwa"), U("AAA URZĄD SKARBOWY TESTOWY"));
        DM()->Urzedy->post();
        return true;
    };
    frm->UrzadBtn->click();
    EXPECT_EQ(frm->FUrzad->currentText(), chosen);
    EXPECT_GE(frm->FUrzad->findText(U("AAA URZĄD SKARBOWY TESTOWY")), 0);
    typedStays("office list");

    // Organisation picker, answered by a timer.
    answerModal<TOppFrm>([](TOppFrm* picker) { picker->WybierzBtnClick(); });
    frm->OppBtn->click();
    EXPECT_EQ(qobject_cast<QLineEdit*>(named("FNazwaOPP"))->text(), U("Fundacja Pomocy Zwierzętom"));
    EXPECT_EQ(frm->model().NumerOPP, QStringLiteral("0000012345"));
    typedStays("organisation picker");

    // Itemised list behind box 40, opened from the keyboard: its total lands in the box.
    enter(edit(40));
    answerModal<TKwotyFrm>([](TKwotyFrm* list) {
        list->list().insert(U("dojazdy"), A("250.50"));
        list->list().insert(U("narzędzia"), A("100"));
        list->ZapiszBtn->click();
    });
    QTest::keyClick(edit(40), Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(edit(40)->text(), U("350,50"));
    EXPECT_EQ(frm->model().GetPole(40), A("350.50"));
    EXPECT_EQ(label(41), U("649,50"));
    typedStays("itemised list");

    // Another window taking the activation and giving it back.
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QApplication::setActiveWindow(frm.get());
    QApplication::processEvents();
    typedStays("activation");

    frm->PostBtnClick();
    open(id);
    typedStays("save and reopen");
    EXPECT_EQ(frm->model().NazwaOPP, U("Fundacja Pomocy Zwierzętom"));
    EXPECT_EQ(frm->FUrzad->currentText(), chosen);
}

TEST_F(Pit37FrmTest, TabOrderFollowsTheForm)
{
    open(jointTaxpayer());
    struct Chain { int from; QStringList next; };
    const Chain chains[] = {
        {39, {"F40", "RxSpeedButton1", "F43", "F44", "F46", "F47"}},
        {11, {"FImie", "FDataUr", "FPesel", "FKraj", "FWojew"}},
        {93, {"F94", "F95", "F96", "F101"}},
    };
    for (const Chain& c : chains) {
        enter(frm->boxControl(c.from));
        for (const QString& n : c.next) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget()->objectName(), n) << "from " << c.from;
        }
    }
}

// A filled joint return: every value fits its box and every control lies on its page. With
// ZORVIK_SHOTS set, each page is saved there as a picture (whole page and window at 1280x800).
TEST_F(Pit37FrmTest, JointReturnFitsItsPages)
{
    const int id = addTaxpayer(
        U("Grzegorzewski-Brzęczyszczykiewicz"), U("Krzysztof"),
        {{"Sposob", 1}, {"Glowny", "PIT-37"}, {"NIP", "526-000-12-46"}, {"Pesel", "44051401359"},
         {"Kraj", "Polska"}, {"Wojew", U("Warmińsko-Mazurskie")}, {"Powiat", "olsztyński"}, {"Gmina", "Olsztyn"},
         {"Ulica", U("Księcia Józefa Poniatowskiego")}, {"Posesja", "12a"}, {"Lokal", "4"}, {"Miasto", "Olsztyn"},
         {"KodPoczt", "10-001"}, {"Poczta", "Olsztyn"}, {"MNazwisko", U("Grzegorzewska-Brzęczyszczykiewicz")},
         {"MImie", U("Małgorzata")}, {"MPesel", "02070803628"}, {"MKraj", "Polska"}, {"MMiasto", "Olsztyn"}});
    open(id);
    frm->resize(1280, 800);
    const std::pair<int, const char*> typed[] = {
        {39, "123456.78"}, {40, "1335"},  {43, "15000"}, {44, "23456.10"}, {46, "2100"}, {47, "9999.99"},
        {48, "2000"},      {51, "1800"},  {66, "98765.43"}, {67, "2002.05"}, {70, "9000"}, {74, "5000"},
        {75, "1000"},      {93, "16000"}, {94, "12000"}, {110, "9000"}, {111, "7000"}, {126, "250"}};
    for (const auto& [box, text] : typed) typeBox(box, QString::fromLatin1(text));
    typeInto(named("FNazwaOPP"), U("Fundacja Pomocy Dzieciom Niepełnosprawnym „Promyk Słońca”"));
    typeInto(named("FNumerOPP"), QStringLiteral("0000123456"));
    leave();

    checkPagesFit("pit37");
    frm->PageControl->setCurrentWidget(frm->TabWeryf);
    if (const QString dir = qEnvironmentVariable("ZORVIK_SHOTS"); !dir.isEmpty())
        frm->grab().save(dir + QStringLiteral("/pit37_weryfikacja.png"));
}
