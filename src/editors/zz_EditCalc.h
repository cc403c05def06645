#pragma once
// The amount edit of every money box: right-aligned, forgiving about what is typed,
// able to stay blank (blank differs from 0), and able to show a value cropped to a
// limit or coloured when beyond it.
//
// The window's exit handling is connected to `exited()`: it runs when the focus leaves
// the box (not when the whole window loses activation), before the box re-reads and
// re-formats its text. With coCheckOnExit a malformed text shows "Niepoprawna zawartość
// pola" and the focus comes back to the box.

#include "zz_EditCalcCore.h"

#include <QColor>
#include <QLineEdit>

class TGSkEditCalc : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(Amount Value READ Value WRITE setValue)
    Q_PROPERTY(Amount ValueReal READ ValueReal WRITE setValueReal)
    Q_PROPERTY(Amount LowLimit READ LowLimit WRITE setLowLimit)
    Q_PROPERTY(Amount HighLimit READ HighLimit WRITE setHighLimit)
    Q_PROPERTY(bool IsEmpty READ IsEmpty WRITE setIsEmpty)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(QColor ColorAbove READ ColorAbove WRITE setColorAbove)
    Q_PROPERTY(QColor ColorBelow READ ColorBelow WRITE setColorBelow)
    Q_PROPERTY(QString DisplayFormat READ DisplayFormat WRITE setDisplayFormat)

public:
    explicit TGSkEditCalc(QWidget* parent = nullptr);

    // The value held to the limits whose checks are on (reads the text first).
    Amount Value();
    void setValue(Amount v);
    // The value as typed, not held to the limits.
    Amount ValueReal();
    void setValueReal(Amount v) { setValue(v); }
    // What the box shows when not focused: the limit when cropped, else the value.
    Amount ValueDispalyed();

    Amount LowLimit() const { return state_.lowLimit; }
    void setLowLimit(Amount v);
    Amount HighLimit() const { return state_.highLimit; }
    void setHighLimit(Amount v);
    TGSkEditCheckOptions CheckOptions() const { return state_.options; }
    void setCheckOptions(TGSkEditCheckOptions o);

    // Blank box: reads as 0. Setting false on a blank box shows the value (0,00).
    bool IsEmpty() const { return text().trimmed().isEmpty(); }
    void setIsEmpty(bool empty);

    QColor Color() const { return color_; }
    void setColor(const QColor& c);
    QColor ColorAbove() const { return colorAbove_; }
    void setColorAbove(const QColor& c);
    QColor ColorBelow() const { return colorBelow_; }
    void setColorBelow(const QColor& c);
    QString DisplayFormat() const { return state_.displayFormat; }
    void setDisplayFormat(const QString& f);

    // Whether the last reading of the text failed and the text was not changed since.
    bool parseErrorPending() const { return state_.parseErrorPending; }
    // The background currently shown.
    TEditBackground background() const { return background_; }

    // Runs the window's exit handling as if the box was left (after a value was put in by code).
    void runExitHandling() { Q_EMIT exited(); }

    // The message shown for a malformed amount on leaving.
    static QString InvalidContentMessage();

Q_SIGNALS:
    void entered();
    void exited();
    // Every key pressed in the box, before the box handles it.
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    // Alt+Up: the window opens the box's itemised list (the key goes no further).
    void itemiseRequested();

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void onTextChanged();
    // Reads the text when it changed since it was last read or set by a refresh; beeps on a
    // failure when asked.
    bool readText(bool beepOnFailure);
    void refresh(bool focused);
    void applyBackground(TEditBackground b);

    TEditCalcState state_;
    QColor color_;
    QColor colorAbove_{0, 255, 255};
    QColor colorBelow_{0, 255, 0};
    TEditBackground background_ = TEditBackground::Normal;
    bool updating_ = false;       // the text is being set by a refresh
    bool userText_ = false;       // the text was typed (or set from outside) since the last refresh
};
