#pragma once
// Driving an editor window as a user does: open it for a taxpayer, put the focus into a
// box, type, leave the box, answer the window's modal dialogs by timer.

#include "FDeklFrm.h"
#include "TestEnv.h"
#include "zz_EditCalc.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

inline Amount A(const char* s) { return *Amount::parse(QString::fromUtf8(s)); }
inline QString U(const char* s) { return QString::fromUtf8(s); }

// Answers the next modal dialog of type T once it is open (polls, gives up after 5 s).
template <class T>
inline void answerModal(std::function<void(T*)> answer, int tries = 500)
{
    QTimer::singleShot(10, [answer, tries] {
        if (auto* d = qobject_cast<T*>(QApplication::activeModalWidget())) answer(d);
        else if (tries > 0) answerModal<T>(answer, tries - 1);
        else ADD_FAILURE() << "no dialog to answer";
    });
}

template <class W>
class EditorTest : public DataFolderTest {
protected:
    void TearDown() override
    {
        TDeklFrm::NotesEditor() = {};
        frm.reset();
        DataFolderTest::TearDown();
    }

    int jointTaxpayer()
    {
        return addTaxpayer(U("Kowalski"), U("Jan"),
                           {{"Sposob", 1}, {"Glowny", "PIT-37"}, {"MNazwisko", U("Kowalska")}, {"MImie", "Anna"}});
    }

    template <class... Args>
    W& open(Args... args)
    {
        frm = std::make_unique<W>(args...);
        frm->show();
        QApplication::setActiveWindow(frm.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(frm.get()));
        return *frm;
    }

    // Brings the page of a control forward and puts the focus into it, as a click would.
    void enter(QWidget* w)
    {
        ASSERT_NE(w, nullptr);
        for (int i = 0; i < frm->formPageCount(); ++i)
            if (frm->pageContent(i)->isAncestorOf(w)) frm->PageControl->setCurrentIndex(i);
        w->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
    }
    void typeInto(QWidget* w, const QString& text)
    {
        enter(w);
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            e->selectAll();
            QTest::keyClick(e, Qt::Key_Delete);
        }
        for (QChar c : text) {
            if (c.unicode() < 128) QTest::keyClick(w, char(c.unicode()));
            else if (auto* e = qobject_cast<QLineEdit*>(w)) e->insert(QString(c));
        }
    }
    // Leaves the box with the focus for a button of the window.
    void leave()
    {
        frm->PostBtn->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    void typeBox(int box, const QString& text)
    {
        typeInto(frm->boxControl(box), text);
        leave();
    }
    QString label(int box) { return frm->boxLabel(box)->text(); }
    TGSkEditCalc* edit(int box) { return frm->amountEdit(box); }
    QWidget* named(const char* n) { return frm->template findChild<QWidget*>(QString::fromLatin1(n)); }

    // Every control lies on its page and every value fits its box. With ZORVIK_SHOTS set,
    // each page is saved there (the whole page and the window at its size).
    void checkPagesFit(const char* prefix)
    {
        const QString dir = qEnvironmentVariable("ZORVIK_SHOTS");
        for (int i = 0; i < frm->formPageCount(); ++i) {
            QWidget* page = frm->pageContent(i);
            frm->PageControl->setCurrentIndex(i);
            QApplication::processEvents();
            for (QWidget* w : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (w->isHidden()) continue;
                EXPECT_TRUE(page->rect().contains(w->geometry())) << w->objectName().toStdString() << " page " << i + 1;
                if (auto* l = qobject_cast<QLabel*>(w); l && l->objectName().endsWith(QLatin1String("Lbl"))) {
                    EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->contentsRect().width())
                        << l->objectName().toStdString();
                }
                if (auto* e = qobject_cast<TGSkEditCalc*>(w)) {
                    EXPECT_LE(e->fontMetrics().horizontalAdvance(e->text()), e->width() - 8) << e->objectName().toStdString();
                }
            }
            if (!dir.isEmpty()) {
                page->grab().save(QStringLiteral("%1/%2_page%3.png").arg(dir, QLatin1String(prefix)).arg(i + 1));
                frm->grab().save(QStringLiteral("%1/%2_window%3.png").arg(dir, QLatin1String(prefix)).arg(i + 1));
            }
        }
    }

    std::unique_ptr<W> frm;
};

