#pragma once
// Small builders for the controls of a box on an editor window, named by box number so
// that the window and the printouts find them: the amount edit "F<n>" with the style of
// the box, the label "F<n>Lbl" of a computed box, the itemising button "F<n>Btn".
// (The frame "b<n>" is AddBoxFrame in KrataWidget.h.)

#include <QRect>
#include <QString>

class QDialog;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;
class TGSkEditCalc;

// How an amount box edits: most boxes take any amount with grosze ("#,##0.00", no checks);
// whole-złoty boxes ("#,##0"); capped boxes crop to their upper limit when left; checked
// boxes complain about a malformed amount when left.
enum class TAmountStyle { Plain, Whole, Capped, Checked };

void ApplyAmountStyle(TGSkEditCalc* edit, TAmountStyle style);
TGSkEditCalc* AddAmountEdit(QWidget* page, int box, const QRect& geometry, TAmountStyle style = TAmountStyle::Plain);
// A right-aligned label showing a computed amount.
QLabel* AddAmountLabel(QWidget* page, int box, const QRect& geometry);
// The small "..." button opening the box's itemised list; it does not take the focus.
QToolButton* AddItemiseButton(QWidget* page, int box, const QRect& geometry);

// A right-aligned row of the two buttons "Zapisz" / "Anuluj" (Anuluj rejects the dialog).
QHBoxLayout* SaveCancelRow(QDialog* dialog, QPushButton*& save, QPushButton*& cancel,
                           const QString& saveText = QStringLiteral("Zapisz"),
                           const QString& cancelText = QStringLiteral("Anuluj"));
