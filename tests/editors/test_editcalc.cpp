// The amount edit: reading typed text, number formats, limits, and the widget's
// behaviour when the user types into it and leaves it.

#include "zz_EditCalc.h"

#include "Messages.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

Amount A(const char* s) { return *Amount::parse(QString::fromUtf8(s)); }
QString U(const char* s) { return QString::fromUtf8(s); }

// Types the characters one key press each; letters outside ASCII are inserted as typed text.
void typeText(QLineEdit* w, const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() < 128) QTest::keyClick(w, char(c.unicode()));
        else w->insert(QString(c));
    }
}

}  // namespace

TEST(AmountText, ReadsForgivinglyAndReportsWhatItHadToDrop)
{
    struct Case { const char* text; const char* value; bool ok; };
    const Case cases[] = {
        {"", "0", true},
        {"   ", "0", true},
        {"zł 1234,50 zł", "1234.50", true},     // leading and trailing text dropped
        {"1 234,50", "1234.50", true},          // thousands separator typed as a space
        {"1\u00A0234,50", "1234.50", true},     // ... or as a no-break space
        {"-12,5", "-12.50", true},
        {"+7", "7", true},
        {"12.50", "12.50", true},               // a point from the numeric keypad
        {"0,12345", "0.1234", true},            // ten-thousandths kept, half to even beyond
        {"12a3", "123", false},                 // stray letter: digits kept
        {"1x2,5y0", "12.50", false},            // a trailing letter after a digit is stray too
        {"1,2,3", "0", false},                  // nothing convertible left
        {"abc", "0", false},
        {"1.234,50", "1234.50", false},         // foreign grouping: the point is dropped
    };
    for (const Case& c : cases) {
        const TAmountParse r = ParseAmountText(U(c.text));
        EXPECT_EQ(r.value, A(c.value)) << c.text;
        EXPECT_EQ(r.ok, c.ok) << c.text;
    }
}

TEST(AmountText, ZeroSectionOfTheFormatReadsAsZero)
{
    const QString fmt = U("#,##0.00;-#,##0.00;-");
    const TAmountParse r = ParseAmountText(QStringLiteral(" - "), fmt);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.value, Amount());
    EXPECT_FALSE(ParseAmountText(QStringLiteral("-"), QStringLiteral("#,##0.00")).ok);
}

TEST(AmountText, FormatsBySections)
{
    struct Case { const char* format; const char* value; const char* text; };
    const Case cases[] = {
        {"#,##0.00", "1234.56", "1 234,56"},
        {"#,##0.00", "1234567.891", "1 234 567,89"},
        {"#,##0.00", "-0.004", "0,00"},                 // no minus on a value that rounds to 0
        {"#,##0.00", "-1234.5", "-1 234,50"},
        {"#,##0", "1234.5", "1 235"},                   // half away from zero
        {"#,##0", "-1234.5", "-1 235"},
        {"##0.00", "1234.5", "1234,50"},
        {",0.00", "0", "0,00"},
        {",0.00 zł;-,0.00 zł; ", "1234", "1 234,00 zł"},
        {",0.00 zł;-,0.00 zł; ", "-5", "-5,00 zł"},
        {",0.00 zł;-,0.00 zł; ", "0", " "},
        {"#0.00 %", "19", "19,00 %"},
        {"0.##", "2.5", "2,5"},                         // optional decimals
        {"", "1234.56", "1 234,56 zł"},                 // currency format
        {"", "-0.5", "-0,50 zł"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatDisplayAmount(A(c.value), U(c.format)), U(c.text)) << c.format << " " << c.value;
}

TEST(AmountText, LimitsCropOrColour)
{
    struct Case {
        TGSkEditCheckOptions options;
        const char* value;
        bool focused;
        const char* text;
        TEditBackground background;
        const char* clamped;
        const char* displayed;
    };
    const auto N = TEditBackground::Normal, Ab = TEditBackground::Above, Be = TEditBackground::Below;
    const TGSkEditCheckOptions high = coCheckHighLimit, low = coCheckLowLimit;
    const Case cases[] = {
        {high | coCropBeyondLimit, "800", false, "500,00", N, "500", "500"},
        {high | coCropBeyondLimit, "800", true, "800,00", N, "500", "800"},
        {high, "800", false, "800,00", Ab, "500", "800"},
        {coCropBeyondLimit, "800", false, "800,00", N, "800", "800"},     // no check: no limit
        {low | coCropBeyondLimit, "50", false, "100,00", N, "100", "100"},
        {low, "50", false, "50,00", Be, "100", "50"},
        {high | low, "300", false, "300,00", N, "300", "300"},
    };
    for (const Case& c : cases) {
        TEditCalcState s;
        s.options = c.options;
        s.lowLimit = A("100");
        s.highLimit = A("500");
        s.displayFormat = QStringLiteral("#,##0.00");
        s.value = A(c.value);
        const TEditDisplay d = s.display(QStringLiteral("x"), c.focused);
        EXPECT_EQ(d.text, U(c.text)) << c.value << " focused " << c.focused;
        EXPECT_EQ(d.background, c.background) << c.value;
        EXPECT_EQ(s.clamped(), A(c.clamped)) << c.value;
        EXPECT_EQ(s.displayed(c.focused), A(c.displayed)) << c.value;
    }
    TEditCalcState blank;
    EXPECT_EQ(blank.display(QString(), false).text, QString());       // blank stays blank
    EXPECT_EQ(blank.display(QStringLiteral("0"), false).text, U("0,00 zł"));
}

// ---- The widget, driven as a user drives it ---------------------------------------------------

class EditCalcWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        edit = new TGSkEditCalc(window.get());
        edit->setObjectName(QStringLiteral("F39"));
        edit->setDisplayFormat(QStringLiteral("#,##0.00"));
        other = new QLineEdit(window.get());
        layout->addWidget(edit);
        layout->addWidget(other);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QObject::connect(edit, &TGSkEditCalc::exited, [this] {
            ++exits;
            valueAtExit = edit->Value();
        });
    }

    void typeAndLeave(const QString& text)
    {
        edit->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        typeText(edit, text);
        other->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        QApplication::processEvents();
    }

    RecordingSink messages;
    std::unique_ptr<QWidget> window;
    TGSkEditCalc* edit = nullptr;
    QLineEdit* other = nullptr;
    int exits = 0;
    Amount valueAtExit;
};

TEST_F(EditCalcWidget, StartsBlankRightAlignedAndBlankDiffersFromZero)
{
    EXPECT_TRUE(edit->IsEmpty());
    EXPECT_EQ(edit->Value(), Amount());
    EXPECT_TRUE(edit->alignment() & Qt::AlignRight);
    edit->setValue(Amount());                 // a 0 put into a blank box keeps it blank
    EXPECT_TRUE(edit->IsEmpty());
    edit->setIsEmpty(false);
    EXPECT_EQ(edit->text(), QStringLiteral("0,00"));
    edit->setValue(A("12.5"));
    edit->setIsEmpty(false);                  // not blank: unchanged
    EXPECT_EQ(edit->text(), QStringLiteral("12,50"));
    edit->setIsEmpty(true);
    EXPECT_EQ(edit->text(), QString());
    EXPECT_EQ(edit->ValueReal(), Amount());

    typeAndLeave(QStringLiteral("0"));
    EXPECT_FALSE(edit->IsEmpty());
    EXPECT_EQ(edit->text(), QStringLiteral("0,00"));
    EXPECT_EQ(edit->Value(), Amount());
}

TEST_F(EditCalcWidget, TypedTextIsReadFormattedAndSeenByTheExitHandler)
{
    typeAndLeave(U("zł 1234,50 zł"));
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(valueAtExit, A("1234.50"));
    EXPECT_EQ(edit->text(), U("1 234,50"));
    EXPECT_EQ(messages.count(), 0);

    typeAndLeave(QString());                  // clearing the box makes it blank again
    EXPECT_TRUE(edit->IsEmpty());
    EXPECT_EQ(valueAtExit, Amount());
}

TEST_F(EditCalcWidget, MalformedAmountShowsTheMessageAndKeepsTheFocus)
{
    edit->setCheckOptions(coCheckOnExit);
    typeAndLeave(QStringLiteral("12a3"));
    ASSERT_EQ(messages.texts(), QStringList{U("Niepoprawna zawartość pola")});
    EXPECT_EQ(messages.records().front().kind, MessageKind::Error);
    EXPECT_EQ(valueAtExit, A("123"));         // the exit handler got what the digits give
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->text(), QStringLiteral("12a3"));   // kept for correcting
    EXPECT_TRUE(edit->parseErrorPending());

    // Leaving again without a fix complains again; a fix lets the focus go.
    other->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(messages.count(), 2);
    EXPECT_TRUE(edit->hasFocus());

    edit->selectAll();
    typeText(edit, QStringLiteral("123"));
    other->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(messages.count(), 2);
    EXPECT_TRUE(other->hasFocus());
    EXPECT_EQ(edit->text(), QStringLiteral("123,00"));
}

TEST_F(EditCalcWidget, ClickThatLeavesAMalformedAmountDoesNotRunItsButton)
{
    auto* save = new QPushButton(QStringLiteral("Zapisz"), window.get());
    window->layout()->addWidget(save);
    QApplication::processEvents();
    int saves = 0;
    QObject::connect(save, &QPushButton::clicked, [&] { ++saves; });
    edit->setCheckOptions(coCheckOnExit);
    edit->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    typeText(edit, QStringLiteral("12a3"));
    QTest::mouseClick(save, Qt::LeftButton);
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(messages.texts(), QStringList{U("Niepoprawna zawartość pola")});
    EXPECT_EQ(saves, 0);
    EXPECT_TRUE(edit->hasFocus());

    // Corrected, the same click goes through.
    edit->selectAll();
    typeText(edit, QStringLiteral("123"));
    QTest::mouseClick(save, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(messages.count(), 1);
    EXPECT_EQ(edit->text(), QStringLiteral("123,00"));
}

TEST_F(EditCalcWidget, WithoutCheckOnExitAMalformedAmountIsTakenQuietly)
{
    edit->setCheckOptions({});
    typeAndLeave(QStringLiteral("12a3"));
    EXPECT_EQ(messages.count(), 0);
    EXPECT_TRUE(other->hasFocus());
    EXPECT_EQ(edit->text(), QStringLiteral("123,00"));
    EXPECT_EQ(edit->Value(), A("123"));
}

TEST_F(EditCalcWidget, CroppedToTheHighLimitWhenLeftAndShownInFullWhenEntered)
{
    edit->setCheckOptions(coCheckHighLimit | coCheckOnExit | coCropBeyondLimit);
    edit->setHighLimit(A("500"));
    typeAndLeave(QStringLiteral("800"));
    EXPECT_EQ(edit->text(), QStringLiteral("500,00"));
    EXPECT_EQ(edit->background(), TEditBackground::Normal);
    EXPECT_EQ(edit->ValueReal(), A("800"));
    EXPECT_EQ(edit->Value(), A("500"));
    EXPECT_EQ(edit->ValueDispalyed(), A("500"));
    EXPECT_EQ(valueAtExit, A("500"));

    edit->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(edit->text(), QStringLiteral("800,00"));
    EXPECT_EQ(edit->ValueDispalyed(), A("800"));
}

TEST_F(EditCalcWidget, BeyondTheLimitWithoutCroppingIsColoured)
{
    edit->setCheckOptions(coCheckHighLimit | coCheckLowLimit);
    edit->setHighLimit(A("500"));
    edit->setLowLimit(A("100"));
    typeAndLeave(QStringLiteral("800"));
    EXPECT_EQ(edit->text(), QStringLiteral("800,00"));
    EXPECT_EQ(edit->background(), TEditBackground::Above);
    EXPECT_EQ(edit->palette().color(QPalette::Base), edit->ColorAbove());
    typeAndLeave(QStringLiteral("50"));
    EXPECT_EQ(edit->background(), TEditBackground::Below);
    EXPECT_EQ(edit->palette().color(QPalette::Base), edit->ColorBelow());
    edit->setFocus(Qt::TabFocusReason);       // no limit colour while typing
    QApplication::processEvents();
    EXPECT_EQ(edit->background(), TEditBackground::Normal);
    // Changing the options keeps the value and recolours.
    other->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    edit->setCheckOptions({});
    EXPECT_EQ(edit->Value(), A("50"));
    EXPECT_EQ(edit->background(), TEditBackground::Normal);
}

TEST_F(EditCalcWidget, LosingTheWindowActivationIsNotLeavingTheBox)
{
    edit->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    typeText(edit, QStringLiteral("12"));
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(edit, &out);
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(edit->text(), QStringLiteral("12"));
}
