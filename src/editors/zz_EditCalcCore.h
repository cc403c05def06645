#pragma once
// The rules of the amount edit without the widget: reading what the user typed,
// number formats with sections, limits, cropping and the background to show.
// Kept free of Widgets so that the rules are tested on their own.

#include "Amount.h"

#include <QFlags>
#include <QString>

enum TGSkEditCheckOption {
    coCheckLowLimit = 0x01,
    coCheckHighLimit = 0x02,
    coCheckOnChange = 0x04,
    coCheckOnExit = 0x08,
    coCropBeyondLimit = 0x10,
};
Q_DECLARE_FLAGS(TGSkEditCheckOptions, TGSkEditCheckOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGSkEditCheckOptions)

// The options a new amount edit starts with.
inline constexpr TGSkEditCheckOptions DefaultCheckOptions{coCheckLowLimit | coCheckHighLimit | coCheckOnExit |
                                                         coCropBeyondLimit};

// Result of reading an amount text.
struct TAmountParse {
    Amount value;
    bool ok = true;   // false: the text was not a number and `value` is what its digits give
};

// Reads a typed amount with Polish separators, forgiving stray text around the number:
// blank gives 0; leading text up to a sign or digit and trailing text after the last digit
// are dropped, and so are thousands separators (spaces); "12.50" is read like "12,50" when
// there is no comma. A text equal to the format's zero section gives 0. Anything else keeps
// only signs, digits and the decimal comma, and reports failure.
TAmountParse ParseAmountText(const QString& text, const QString& displayFormat = QString());

// Formats a value with a number format of up to three sections "positive;negative;zero"
// ("#,##0.00", "#,##0", ",0.00 zł;-,0.00 zł; ", "#0.00 %"); Polish separators, grouping by
// spaces, rounding half away from zero. An empty format gives the currency format "1 234,56 zł".
QString FormatDisplayAmount(Amount value, const QString& displayFormat);

// The background an amount edit shows.
enum class TEditBackground { Normal, Above, Below };

struct TEditDisplay {
    QString text;
    TEditBackground background = TEditBackground::Normal;
};

// State of one amount edit. The widget keeps the text; this keeps the value and decides.
class TEditCalcState {
public:
    // Until a limit is set the default checks let every value through.
    static constexpr Amount NoLowLimit = -"999999999999.99"_zl;
    static constexpr Amount NoHighLimit = "999999999999.99"_zl;

    Amount value;
    Amount lowLimit = NoLowLimit;
    Amount highLimit = NoHighLimit;
    TGSkEditCheckOptions options = DefaultCheckOptions;
    QString displayFormat;
    bool parseErrorPending = false;

    // Reads `text` into `value`; sets or clears the pending error. Returns whether it read cleanly.
    bool parse(const QString& text);
    // The value held to the limits whose checks are on (cropping option aside).
    Amount clamped() const;
    bool aboveLimit() const { return options.testFlag(coCheckHighLimit) && value > highLimit; }
    bool belowLimit() const { return options.testFlag(coCheckLowLimit) && value < lowLimit; }
    // What the box shows: the limit when cropped and not focused, else the value.
    Amount displayed(bool focused) const;
    // Text and background after a refresh; a blank text holding 0 stays blank.
    TEditDisplay display(const QString& currentText, bool focused) const;
};
