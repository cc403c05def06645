// Frames of the paper form on a window: named by box, captioned "n. title", coloured by
// whether the box takes input, clickable, and below the controls placed inside them.

#include "Globals.h"
#include "KrataWidget.h"
#include "zz_EditCalc.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

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
