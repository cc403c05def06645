// Frames of the paper form on a window: named by box, captioned "n. title", coloured by
// whether the box takes input, clickable, and below the controls placed inside them.

#include "BoxWidgets.h"
#include "Globals.h"
#include "KrataWidget.h"
#include "zz_EditCalc.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

TEST(BoxFrames, NamedCaptionedColouredAndUnderTheirControls)
{
    QWidget page;
    page.resize(520, 200);
    auto* grid = new TKrataWidget(&page, 6);
    grid->setGeometry(10, 10, 500, 40);
    grid->grid()->setEqual(true, 500);
    grid->base().setRows(2);
    auto* edit = new TGSkEditCalc(&page);
    edit->setObjectName(BoxControlName(39));
    edit->setGeometry(20, 82, 150, 22);
    edit->setValue(*Amount::parse(u"51234.5"));
    auto* b39 = AddBoxFrame(&page, 39, QString::fromUtf8("Przychód"), QRect(10, 60, 170, 50), true);
    auto* label = new QLabel(QStringLiteral("51 234,50"), &page);
    label->setObjectName(BoxLabelName(41));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(200, 82, 150, 22);
    auto* b41 = AddBoxFrame(&page, 41, QString::fromUtf8("Dochód"), QRect(190, 60, 170, 50), false);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));

    EXPECT_EQ(page.findChild<TKrataWidget*>(QStringLiteral("b39")), b39);
    EXPECT_EQ(b39->krata()->Caption(), QString::fromUtf8("39. Przychód"));
    EXPECT_EQ(b39->krata()->Brush().color(), EditColour(true));
    EXPECT_EQ(b41->krata()->Brush().color(), EditColour(false));
    EXPECT_EQ(b39->grid(), nullptr);
    EXPECT_EQ(grid->krata(), nullptr);
    // The frame was added after the edit but lies below it.
    EXPECT_EQ(page.childAt(30, 90), edit);
    EXPECT_EQ(page.childAt(15, 65), b39);

    QSignalSpy clicks(b41, &TKrataWidget::clicked);
    QTest::mouseClick(b41, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);

    const QString dir = qEnvironmentVariable("ZORVIK_SHOTS");
    if (!dir.isEmpty()) page.grab().save(dir + QStringLiteral("/frames.png"));
}

TEST(BoxFrames, BuildersNameAndStyleTheControlsOfABox)
{
    QWidget page;
    auto* plain = AddAmountEdit(&page, 39, QRect(0, 0, 120, 21));
    auto* whole = AddAmountEdit(&page, 43, QRect(0, 30, 120, 21), TAmountStyle::Whole);
    auto* capped = AddAmountEdit(&page, 93, QRect(0, 60, 120, 21), TAmountStyle::Capped);
    auto* checked = AddAmountEdit(&page, 44, QRect(0, 90, 120, 21), TAmountStyle::Checked);
    auto* label = AddAmountLabel(&page, 41, QRect(130, 0, 120, 21));
    auto* button = AddItemiseButton(&page, 39, QRect(250, 0, 20, 21));
    EXPECT_EQ(page.findChild<TGSkEditCalc*>(QStringLiteral("F39")), plain);
    EXPECT_EQ(page.findChild<QLabel*>(QStringLiteral("F41Lbl")), label);
    EXPECT_EQ(button->objectName(), QStringLiteral("F39Btn"));
    EXPECT_EQ(button->property("box").toInt(), 39);
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);

    struct Case { TGSkEditCalc* e; const char* format; TGSkEditCheckOptions options; };
    const Case cases[] = {
        {plain, "#,##0.00", {}},
        {whole, "#,##0", {}},
        {capped, "#,##0.00", coCheckHighLimit | coCheckOnExit | coCropBeyondLimit},
        {checked, "#,##0.00", coCheckOnExit},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.e->DisplayFormat(), QString::fromLatin1(c.format)) << c.e->objectName().toStdString();
        EXPECT_EQ(c.e->CheckOptions(), c.options) << c.e->objectName().toStdString();
    }

    // Alt+Up asks for the itemised list; other keys are only reported.
    QSignalSpy itemise(plain, &TGSkEditCalc::itemiseRequested);
    QSignalSpy keys(plain, &TGSkEditCalc::keyDown);
    QTest::keyClick(plain, Qt::Key_Up, Qt::AltModifier);
    QTest::keyClick(plain, Qt::Key_Up);
    QTest::keyClick(plain, Qt::Key_5);
    EXPECT_EQ(itemise.count(), 1);
    ASSERT_GE(keys.count(), 3);                // (the Alt key itself is reported too)
    EXPECT_EQ(keys.last().at(0).toInt(), int(Qt::Key_5));
    EXPECT_EQ(plain->text(), QStringLiteral("5"));
}
