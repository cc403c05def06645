#include "zz_EditCalc.h"

#include "Messages.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QPointer>
#include <QTimer>

namespace {

// Eats the mouse click on the widget that was clicked to leave a box holding a malformed
// amount, so that the button's action does not run; removed when the focus is put back.
class TClickSwallower : public QObject {
public:
    TClickSwallower(QWidget* target, QObject* parent) : QObject(parent), target_(target)
    {
        target->installEventFilter(this);
    }
    ~TClickSwallower() override
    {
        if (target_) target_->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        return e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonRelease
               || e->type() == QEvent::MouseButtonDblClick;
    }

private:
    QPointer<QWidget> target_;
};

}  // namespace

TGSkEditCalc::TGSkEditCalc(QWidget* parent)
    : QLineEdit(parent), color_(QApplication::palette().color(QPalette::Base))
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    resize(121, 21);
    connect(this, &QLineEdit::textChanged, this, &TGSkEditCalc::onTextChanged);
    applyBackground(TEditBackground::Normal);
}

QString TGSkEditCalc::InvalidContentMessage() { return QStringLiteral("Niepoprawna zawartość pola"); }

bool TGSkEditCalc::readText(bool beepOnFailure)
{
    if (!userText_) return !state_.parseErrorPending;
    const bool ok = state_.parse(text());
    userText_ = false;   // read once: the value and the pending error now stand for the text
    if (!ok && beepOnFailure) QApplication::beep();
    return ok;
}

Amount TGSkEditCalc::Value()
{
    readText(true);
    return state_.clamped();
}

Amount TGSkEditCalc::ValueReal()
{
    readText(true);
    return state_.value;
}

Amount TGSkEditCalc::ValueDispalyed()
{
    readText(true);
    return state_.displayed(hasFocus());
}

void TGSkEditCalc::setValue(Amount v)
{
    state_.value = v;
    refresh(hasFocus());
}

void TGSkEditCalc::setLowLimit(Amount v)
{
    readText(false);
    state_.lowLimit = v;
    refresh(hasFocus());
}

void TGSkEditCalc::setHighLimit(Amount v)
{
    readText(false);
    state_.highLimit = v;
    refresh(hasFocus());
}

void TGSkEditCalc::setCheckOptions(TGSkEditCheckOptions o)
{
    readText(false);
    state_.options = o;
    refresh(hasFocus());
}

void TGSkEditCalc::setColor(const QColor& c)
{
    color_ = c;
    refresh(hasFocus());
}

void TGSkEditCalc::setColorAbove(const QColor& c)
{
    colorAbove_ = c;
    refresh(hasFocus());
}

void TGSkEditCalc::setColorBelow(const QColor& c)
{
    colorBelow_ = c;
    refresh(hasFocus());
}

void TGSkEditCalc::setDisplayFormat(const QString& f)
{
    readText(false);
    state_.displayFormat = f;
    refresh(hasFocus());
}

void TGSkEditCalc::setIsEmpty(bool empty)
{
    if (empty) {
        state_.value = Amount();
        updating_ = true;
        setText(QString());
        updating_ = false;
        userText_ = false;
        state_.parseErrorPending = false;
        applyBackground(TEditBackground::Normal);
        return;
    }
    if (!IsEmpty()) return;
    const Amount keep = state_.value;
    updating_ = true;
    setText(QStringLiteral("0"));
    updating_ = false;
    setValue(keep);
}

void TGSkEditCalc::onTextChanged()
{
    state_.parseErrorPending = false;
    if (updating_) return;
    userText_ = true;
    if (state_.options.testFlag(coCheckOnChange)) readText(false);
}

void TGSkEditCalc::refresh(bool focused)
{
    const TEditDisplay d = state_.display(text(), focused);
    if (d.text != text()) {
        updating_ = true;
        setText(d.text);
        updating_ = false;
    }
    userText_ = false;
    applyBackground(d.background);
}

void TGSkEditCalc::applyBackground(TEditBackground b)
{
    background_ = b;
    QPalette p = palette();
    p.setColor(QPalette::Base, b == TEditBackground::Above ? colorAbove_
                               : b == TEditBackground::Below ? colorBelow_
                                                             : color_);
    setPalette(p);
}

void TGSkEditCalc::focusInEvent(QFocusEvent* e)
{
    const bool windowOnly = e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason;
    if (!windowOnly && !state_.parseErrorPending) {
        readText(false);
        refresh(true);
    }
    QLineEdit::focusInEvent(e);
    if (!windowOnly) {
        Q_EMIT entered();
        selectAll();
    }
}

void TGSkEditCalc::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    // Losing the window's activation (a message box, another window) is not leaving the box.
    if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason) return;

    QPointer<TGSkEditCalc> self(this);
    Q_EMIT exited();
    if (!self) return;
    if (state_.options.testFlag(coCheckOnExit)) {
        if (!readText(false)) {
            // Keep the typed text for correcting it, cancel the click that moved the focus
            // away (e.g. on a save button) and bring the focus back.
            QWidget* clicked = e->reason() == Qt::MouseFocusReason ? QApplication::focusWidget() : nullptr;
            auto* swallower = clicked && clicked != this ? new TClickSwallower(clicked, this) : nullptr;
            ShowError(InvalidContentMessage());
            if (!self) return;
            state_.parseErrorPending = true;
            QTimer::singleShot(0, this, [this, swallower] {
                delete swallower;
                setFocus(Qt::OtherFocusReason);
                selectAll();
            });
            return;
        }
    } else {
        readText(true);
    }
    refresh(false);
}

void TGSkEditCalc::keyPressEvent(QKeyEvent* e)
{
    QPointer<TGSkEditCalc> self(this);
    Q_EMIT keyDown(e->key(), e->modifiers());
    if (!self) return;
    if (e->key() == Qt::Key_Up && (e->modifiers() & Qt::AltModifier)) {
        e->accept();
        Q_EMIT itemiseRequested();
        return;
    }
    // A single-line box: Enter is left to the window (default button, window handlers).
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->ignore();
        return;
    }
    QLineEdit::keyPressEvent(e);
}
