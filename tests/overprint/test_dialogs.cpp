// The print dialog, the margins, correction and print options dialogs, driven offscreen.

#include "FDruk.h"
#include "FKorekta.h"
#include "FMargin.h"
#include "FOpcjeDruku.h"

#include "Config.h"
#include "Globals.h"
#include "TestEnv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLayout>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QSet>

#include <optional>

namespace {

void Shot(QWidget& w, const QString& name)
{
    QDir().mkpath(QStringLiteral("/tmp/shots/overprint"));
    w.layout()->activate();
    w.adjustSize();
    w.grab().save(QStringLiteral("/tmp/shots/overprint/") + name + QStringLiteral(".png"));
}

QPushButton* Button(QWidget& w, const char* name)
{
    auto* b = w.findChild<QPushButton*>(QString::fromLatin1(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
}

struct MarginRow {
    int lewy, gorny;
};

// Stored margin of (form, page), or nothing.
std::optional<MarginRow> StoredMargin(TDM* dm, const QString& form, int page)
{
    const auto rows = dm->Marginesy->select(QStringLiteral("SymbolPit = ? AND Strona = ?"), {form, page},
                                            {QStringLiteral("Lewy"), QStringLiteral("Gorny")});
    if (rows.isEmpty()) return std::nullopt;
    return MarginRow{rows[0][0].toInt(), rows[0][1].toInt()};
}

}  // namespace

class DialogTest : public DataFolderTest {};

TEST_F(DialogTest, PrintDialogShowsTheFormsPages)
{
    struct Case {
        int kind;
        const char* caption;
        int pages;
    } cases[] = {
        {fkPit36, "Nadruk - PIT-36", 6}, {fkPit37, "Nadruk - PIT-37", 3}, {fkPit38, "Nadruk - PIT-38", 2},
        {fkNip1, "Nadruk - NIP-1", 4},   {fkPitM, "Nadruk - PIT/M", 1},   {fkPrzelew, "Nadruk - Przelew/Wpłata", 1},
    };
    for (const auto& c : cases) {
        TDrukFrm f;
        f.Prepare(c.kind);
        EXPECT_EQ(f.windowTitle(), QString::fromUtf8(c.caption));
        for (int p = 1; p <= 6; ++p) EXPECT_EQ(!f.pageBox(p)->isHidden(), p <= c.pages) << c.caption << " page " << p;
        EXPECT_EQ(!f.selectAllButton()->isHidden(), c.pages >= 2) << c.caption;
        if (c.pages == 1) {
            EXPECT_TRUE(f.pageBox(1)->isChecked()) << c.caption;
            EXPECT_FALSE(f.pageBox(1)->isEnabled()) << c.caption;
        } else {
            EXPECT_TRUE(f.pageBox(1)->isEnabled()) << c.caption;
        }
    }
    TDrukFrm f;
    f.Prepare(fkPit36);
    Shot(f, QStringLiteral("dlg_druk_pit36"));
    f.Prepare(fkPitM);
    Shot(f, QStringLiteral("dlg_druk_pitm"));
}

TEST_F(DialogTest, PrintDialogStoresChoiceOnPrintAndKeepsPagesWithinTheRun)
{
    TDrukFrm f;
    f.Prepare(fkPit37);
    EXPECT_FALSE(f.sortBox()->isEnabled());   // one copy: nothing to sort
    f.copiesEdit()->setValue(3);
    EXPECT_TRUE(f.sortBox()->isEnabled());
    f.sortBox()->setChecked(true);
    f.pageBox(1)->setChecked(true);
    f.pageBox(3)->setChecked(true);
    Button(f, "Drukuj")->click();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(f.Pages(), QVector<int>({1, 3}));
    EXPECT_EQ(f.Copies(), 3);
    EXPECT_TRUE(f.Sort());

    // Opened again: the choice is still there; a cancelled change is not taken.
    f.Prepare(fkPit37);
    EXPECT_TRUE(f.pageBox(1)->isChecked());
    EXPECT_FALSE(f.pageBox(2)->isChecked());
    EXPECT_TRUE(f.pageBox(3)->isChecked());
    Button(f, "ZaznaczWszystkie")->click();
    EXPECT_TRUE(f.pageBox(2)->isChecked());
    f.copiesEdit()->setValue(1);
    EXPECT_FALSE(f.sortBox()->isEnabled());
    Button(f, "Anuluj")->click();
    EXPECT_EQ(f.result(), QDialog::Rejected);
    EXPECT_EQ(f.Pages(), QVector<int>({1, 3}));
    EXPECT_EQ(f.Copies(), 3);

    // "Zaznacz wszystkie" on PIT-38 checks only its two pages; pages beyond the form never count.
    f.Prepare(fkPit36);
    f.pageBox(5)->setChecked(true);
    f.Prepare(fkPit38);
    Button(f, "ZaznaczWszystkie")->click();
    Button(f, "Drukuj")->click();
    EXPECT_EQ(f.Pages(), QVector<int>({1, 2}));
    EXPECT_FALSE(f.PageChecked(5));
}

TEST_F(DialogTest, PrintDialogOpensTheMarginsOfTheSameForm)
{
    TDrukFrm f;
    f.Prepare(fkPit38);
    QString caption;
    QTimer::singleShot(0, [&] {
        TMarginesyFrm* m = f.marginesyFrm();
        caption = m->windowTitle();
        m->leftEdit(2)->setText(QStringLiteral("-3"));
        Shot(*m, QStringLiteral("dlg_marginesy_pit38"));
        m->findChild<QPushButton*>(QStringLiteral("Zapisz"))->click();
    });
    Button(f, "Marginesy")->click();
    EXPECT_EQ(caption, QStringLiteral("Marginesy - PIT-38"));
    EXPECT_EQ(dm->LeftMargin(fkPit38, 2), -3);
}

TEST_F(DialogTest, MarginsWithoutRowsShowZerosAndSavingAddsOneRowPerPage)
{
    TMarginesyFrm m;
    m.Prepare(fkPit37);
    EXPECT_EQ(m.windowTitle(), QStringLiteral("Marginesy - PIT-37"));
    for (int p = 1; p <= 6; ++p) {
        EXPECT_EQ(m.leftEdit(p)->isHidden(), p > 3);
        EXPECT_EQ(m.leftEdit(p)->text(), QStringLiteral("0"));
        EXPECT_EQ(m.topEdit(p)->text(), QStringLiteral("0"));
    }
    EXPECT_EQ(m.leftEdit(1)->maxLength(), 3);
    m.leftEdit(1)->setText(QStringLiteral("5"));
    m.topEdit(3)->setText(QStringLiteral("-12"));
    m.Save();
    EXPECT_EQ(m.result(), QDialog::Accepted);
    EXPECT_EQ(dm->Marginesy->recordCount(), 3);
    EXPECT_EQ(StoredMargin(dm.get(), QStringLiteral("PIT-37"), 1)->lewy, 5);
    EXPECT_EQ(StoredMargin(dm.get(), QStringLiteral("PIT-37"), 2)->gorny, 0);
    EXPECT_EQ(StoredMargin(dm.get(), QStringLiteral("PIT-37"), 3)->gorny, -12);
    EXPECT_FALSE(StoredMargin(dm.get(), QStringLiteral("PIT-37"), 4));

    // Shown again: the stored values.
    m.Prepare(fkPit37);
    EXPECT_EQ(m.leftEdit(1)->text(), QStringLiteral("5"));
    EXPECT_EQ(m.topEdit(3)->text(), QStringLiteral("-12"));
}

TEST_F(DialogTest, MarginsPostOnlyWhatChanged)
{
    TMarginesyFrm m;
    m.Prepare(fkPit37);
    m.Save();   // three rows of zeros
    // A row of another page missing: saving adds it among the existing ones.
    dm->Marginesy->exec(QStringLiteral("DELETE FROM Margin WHERE Strona = 3"));
    dm->Marginesy->refresh();

    m.Prepare(fkPit37);
    m.topEdit(2)->setText(QStringLiteral("4"));
    QSignalSpy posts(dm->Marginesy, &TTable::dataChanged);
    m.Save();
    EXPECT_EQ(posts.count(), 2);   // the top margin of page 2, the new row of page 3
    EXPECT_EQ(StoredMargin(dm.get(), QStringLiteral("PIT-37"), 2)->gorny, 4);
    EXPECT_EQ(StoredMargin(dm.get(), QStringLiteral("PIT-37"), 2)->lewy, 0);
    EXPECT_TRUE(StoredMargin(dm.get(), QStringLiteral("PIT-37"), 3));

    // Cancel writes nothing.
    m.Prepare(fkPit37);
    m.leftEdit(1)->setText(QStringLiteral("9"));
    posts.clear();
    m.findChild<QPushButton*>(QStringLiteral("Anuluj"))->click();
    EXPECT_EQ(posts.count(), 0);
    EXPECT_EQ(dm->LeftMargin(fkPit37, 1), 0);
}

TEST_F(DialogTest, InstalledCorrectionsCoverEveryPit37Entry)
{
    const auto rows = dm->Korekta->select(QStringLiteral("Pit = ?"), {QStringLiteral("PIT-37")},
                                          {QStringLiteral("Pole"), QStringLiteral("Opis"), QStringLiteral("Hint"),
                                           QStringLiteral("KorX"), QStringLiteral("KorY")});
    ASSERT_EQ(rows.size(), 151);
    QSet<int> boxes;
    for (const auto& r : rows) {
        boxes.insert(r[0].toInt());
        EXPECT_FALSE(r[1].toString().isEmpty());
        EXPECT_FALSE(r[2].toString().isEmpty());
        EXPECT_EQ(r[3].toInt(), 0);
        EXPECT_EQ(r[4].toInt(), 0);
    }
    EXPECT_EQ(boxes.size(), 151);
    EXPECT_TRUE(boxes.contains(1) && boxes.contains(151));
    EXPECT_EQ(dm->Korekta->lookup({QStringLiteral("Pit"), QStringLiteral("Pole")}, {QStringLiteral("PIT-37"), 40},
                                  QStringLiteral("Opis")),
              QStringLiteral("40"));
}

TEST_F(DialogTest, CorrectionDialogGoesToABoxAndPostsEdits)
{
    TKorektaFrm k;
    k.show();   // activation reads the table
    EXPECT_EQ(k.windowTitle(), QStringLiteral("Korekta współrzędnych pól na wydruku"));
    EXPECT_EQ(k.rowCount(), dm->Korekta->recordCount());
    EXPECT_EQ(k.navButton(TKorektaFrm::nbFirst)->toolTip(), QStringLiteral("Pierwszy"));
    EXPECT_EQ(k.navButton(TKorektaFrm::nbRefresh)->toolTip(), QStringLiteral("Odśwież"));
    EXPECT_EQ(k.formCombo()->count(), 14);
    EXPECT_EQ(k.boxEdit()->maximum(), 300);

    k.formCombo()->setCurrentText(QStringLiteral("PIT-37"));
    k.boxEdit()->setValue(40);
    Button(k, "IdzDo")->click();
    ASSERT_GE(k.currentRow(), 0);
    EXPECT_EQ(dm->Korekta->asString(QStringLiteral("Pit")), QStringLiteral("PIT-37"));
    EXPECT_EQ(dm->Korekta->asInt(QStringLiteral("Pole")), 40);
    const int panel = k.currentRow() - k.topRow();
    ASSERT_TRUE(panel >= 0 && panel < TKorektaFrm::VisibleRows);
    EXPECT_EQ(k.opisLabel(panel)->text(), QStringLiteral("40"));
    Shot(k, QStringLiteral("dlg_korekta"));

    // Enter in the box number searches and leaves the dialog open.
    k.boxEdit()->setFocus();
    k.boxEdit()->setValue(39);
    QTest::keyClick(k.boxEdit(), Qt::Key_Return);
    EXPECT_TRUE(k.isVisible());
    EXPECT_EQ(dm->Korekta->asInt(QStringLiteral("Pole")), 39);
    k.GoTo(QStringLiteral("PIT-37"), 40);

    // A box nobody has: the row stays.
    const int row = k.currentRow();
    EXPECT_FALSE(k.GoTo(QStringLiteral("PIT-37"), 299));
    EXPECT_EQ(k.currentRow(), row);

    // Typing a shift edits the row; moving on posts it.
    k.korXEdit(panel)->setValue(2);
    k.korYEdit(panel)->setValue(-1);
    EXPECT_EQ(dm->Korekta->state(), TTable::State::Edit);
    EXPECT_EQ(dm->CorrectionX(fkPit37, 40), 0);   // not posted yet
    k.Navigate(TKorektaFrm::nbNext);
    EXPECT_EQ(dm->CorrectionX(fkPit37, 40), 2);
    EXPECT_EQ(dm->CorrectionY(fkPit37, 40), -1);
    EXPECT_EQ(dm->Korekta->asInt(QStringLiteral("Pole")), 41);
    EXPECT_EQ(dm->CorrectionX(fkPit37, 41), 0);

    // Cancel drops the pending change.
    k.Navigate(TKorektaFrm::nbEdit);
    k.korXEdit(k.currentRow() - k.topRow())->setValue(5);
    k.Navigate(TKorektaFrm::nbCancel);
    EXPECT_EQ(dm->Korekta->state(), TTable::State::Browse);
    EXPECT_EQ(k.korXEdit(k.currentRow() - k.topRow())->value(), 0);
    EXPECT_EQ(dm->CorrectionX(fkPit37, 41), 0);

    // Closing posts a pending edit.
    k.korYEdit(k.currentRow() - k.topRow())->setValue(3);
    Button(k, "Zamknij")->click();
    EXPECT_EQ(dm->CorrectionY(fkPit37, 41), 3);
}

TEST_F(DialogTest, CorrectionDialogNavigatesAndScrolls)
{
    TKorektaFrm k;
    k.show();
    const int n = k.rowCount();
    ASSERT_GT(n, TKorektaFrm::VisibleRows);
    k.Navigate(TKorektaFrm::nbLast);
    EXPECT_EQ(k.currentRow(), n - 1);
    EXPECT_EQ(k.topRow(), n - TKorektaFrm::VisibleRows);
    EXPECT_FALSE(k.navButton(TKorektaFrm::nbNext)->isEnabled());
    k.Navigate(TKorektaFrm::nbPrior);
    EXPECT_EQ(k.currentRow(), n - 2);
    k.Navigate(TKorektaFrm::nbFirst);
    EXPECT_EQ(k.currentRow(), 0);
    EXPECT_EQ(k.topRow(), 0);
    EXPECT_FALSE(k.navButton(TKorektaFrm::nbPrior)->isEnabled());

    // Editing the third shown row makes it the current one.
    k.korXEdit(2)->setValue(1);
    EXPECT_EQ(k.currentRow(), 2);
    k.Navigate(TKorektaFrm::nbPost);
    EXPECT_EQ(dm->Korekta->state(), TTable::State::Browse);
    EXPECT_EQ(dm->CorrectionX(fkPit37, 3), 1);

    // Refresh shows a change made elsewhere.
    dm->Korekta->exec(QStringLiteral("UPDATE Korekta SET KorY = 7 WHERE Pit = 'PIT-37' AND Pole = 1"));
    k.Navigate(TKorektaFrm::nbRefresh);
    EXPECT_EQ(k.korYEdit(0)->value(), 7);
}

TEST_F(DialogTest, PrintOptionsShowAndStoreTheRunSettings)
{
    RunSettings() = TRunSettings{true, 2, 12, QStringLiteral("Arial"), false};
    TOpcjeDrukuFrm o;
    o.Prepare();
    EXPECT_EQ(o.windowTitle(), QStringLiteral("Opcje nadruku/wydruku"));
    EXPECT_EQ(o.fontNameBox()->currentText(), QStringLiteral("Arial"));
    EXPECT_EQ(o.fontSizeEdit()->value(), 12);
    EXPECT_EQ(o.fontSizeEdit()->minimum(), 6);
    EXPECT_EQ(o.fontSizeEdit()->maximum(), 15);
    EXPECT_TRUE(o.duplexButton(2)->isChecked());
    EXPECT_TRUE(o.shadingBox()->isChecked());
    // The installed fonts are offered.
    for (const QString& fam : QFontDatabase::families())
        EXPECT_GE(o.fontNameBox()->findText(fam), 0) << fam.toStdString();
    Shot(o, QStringLiteral("dlg_opcje"));

    const QString other = QFontDatabase::families().value(0);
    o.fontNameBox()->setCurrentText(other);
    o.fontSizeEdit()->setValue(20);   // kept within 6..15
    o.duplexButton(3)->setChecked(true);
    o.shadingBox()->setChecked(false);
    o.findChild<QPushButton*>(QStringLiteral("Zapisz"))->click();
    EXPECT_EQ(o.result(), QDialog::Accepted);
    EXPECT_EQ(RunSettings().fontName, other);
    EXPECT_EQ(RunSettings().fontSize, 15);
    EXPECT_EQ(RunSettings().duplex, 3);
    EXPECT_FALSE(RunSettings().shading);

    // Cancel leaves the settings; a duplex value out of range shows the first choice.
    RunSettings().duplex = 9;
    o.Prepare();
    EXPECT_TRUE(o.duplexButton(0)->isChecked());
    o.fontSizeEdit()->setValue(6);
    o.findChild<QPushButton*>(QStringLiteral("Anuluj"))->click();
    EXPECT_EQ(RunSettings().fontSize, 15);
    EXPECT_EQ(RunSettings().duplex, 9);
    RunSettings() = TRunSettings{};
}
