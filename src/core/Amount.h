#pragma once
// Money in memory: a signed 64-bit count of ten-thousandths of a zloty.
// Every computation on money goes through this type; a double appears only
// at the table boundary (money columns are stored as 8-byte floats).

#include <QMetaType>
#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <optional>

class Amount {
public:
    static constexpr qint64 Scale = 10000;  // ten-thousandths per zloty

    constexpr Amount() = default;

    static constexpr Amount fromRaw(qint64 tenThousandths) { return Amount(tenThousandths); }
    static constexpr Amount zloty(qint64 whole) { return Amount(whole * Scale); }
    static constexpr Amount grosze(qint64 g) { return Amount(g * 100); }

    // Stored column value -> amount, rounded to the nearest ten-thousandth.
    static Amount fromDouble(double d);
    // Exact decimal text: optional sign, digits with optional spaces (incl. no-break),
    // and either ',' or '.' as the decimal separator; up to four decimals exact,
    // further decimals rounded half to even. Empty or malformed text gives nullopt.
    static std::optional<Amount> parse(QStringView text);

    constexpr qint64 raw() const { return v_; }
    double toDouble() const { return double(v_) / double(Scale); }
    // Plain machine text with a '.' and the decimals needed (at least two): "-1234.50", "0.1235".
    QString toString() const;

    constexpr bool isZero() const { return v_ == 0; }
    constexpr bool isNegative() const { return v_ < 0; }
    constexpr bool isPositive() const { return v_ > 0; }

    // Whole zloty cut toward zero, and the remaining ten-thousandths.
    constexpr qint64 wholeZloty() const { return v_ / Scale; }

    constexpr Amount operator-() const { return Amount(-v_); }
    constexpr Amount operator+(Amount o) const { return Amount(v_ + o.v_); }
    constexpr Amount operator-(Amount o) const { return Amount(v_ - o.v_); }
    constexpr Amount& operator+=(Amount o) { v_ += o.v_; return *this; }
    constexpr Amount& operator-=(Amount o) { v_ -= o.v_; return *this; }
    constexpr Amount operator*(qint64 n) const { return Amount(v_ * n); }

    // Product of two amounts (e.g. an amount and a rate such as 0.19),
    // exact and rounded to the nearest ten-thousandth, ties to even.
    Amount operator*(Amount o) const;
    // Quotient of two amounts as an amount (a ratio such as 0.2315),
    // rounded to the nearest ten-thousandth, ties to even. Division by zero gives 0.
    Amount operator/(Amount o) const;
    // Quotient by a whole number, rounded the same way. Division by zero gives 0.
    Amount dividedBy(qint64 n) const;

    constexpr auto operator<=>(const Amount&) const = default;
    constexpr bool operator==(const Amount&) const = default;

private:
    constexpr explicit Amount(qint64 v) : v_(v) {}
    qint64 v_ = 0;
};

namespace amount_detail {
constexpr qint64 parseLiteral(const char* s, std::size_t n)
{
    bool neg = false;
    std::size_t i = 0;
    if (i < n && (s[i] == '-' || s[i] == '+')) { neg = s[i] == '-'; ++i; }
    qint64 whole = 0;
    for (; i < n && s[i] != '.' && s[i] != ','; ++i)
        if (s[i] >= '0' && s[i] <= '9') whole = whole * 10 + (s[i] - '0');
    qint64 frac = 0;
    int digits = 0;
    if (i < n) ++i;
    for (; i < n && digits < 4; ++i)
        if (s[i] >= '0' && s[i] <= '9') { frac = frac * 10 + (s[i] - '0'); ++digits; }
    for (; digits < 4; ++digits) frac *= 10;
    const qint64 v = whole * Amount::Scale + frac;
    return neg ? -v : v;
}
}  // namespace amount_detail

// Constant amounts in the year's rules: "44490.00"_zl, "0.19"_zl.
constexpr Amount operator""_zl(const char* s, std::size_t n)
{
    return Amount::fromRaw(amount_detail::parseLiteral(s, n));
}

// A money box that may be blank (a null column): nullopt is blank, 0 is not.
using OptAmount = std::optional<Amount>;

Q_DECLARE_METATYPE(Amount)
