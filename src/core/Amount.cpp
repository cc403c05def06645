#include "Amount.h"

#include <cmath>

namespace {

// n / d rounded to the nearest integer, ties to even; d > 0.
__int128 divRoundHalfEven(__int128 n, __int128 d)
{
    if (d < 0) { n = -n; d = -d; }
    __int128 q = n / d;
    __int128 r = n % d;          // same sign as n
    if (r == 0) return q;
    const __int128 twice = (r < 0 ? -r : r) * 2;
    const int dir = n < 0 ? -1 : 1;
    if (twice > d || (twice == d && (q % 2 != 0)))
        q += dir;
    return q;
}

}  // namespace

Amount Amount::fromDouble(double d)
{
    if (!std::isfinite(d)) return Amount();
    return Amount(static_cast<qint64>(std::llround(d * double(Scale))));
}

std::optional<Amount> Amount::parse(QStringView text)
{
    QString t;
    t.reserve(text.size());
    for (QChar c : text) {
        if (c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F)) continue;
        t.append(c);
    }
    if (t.isEmpty()) return std::nullopt;
    int i = 0;
    bool neg = false;
    if (t[0] == u'-' || t[0] == u'+') { neg = t[0] == u'-'; ++i; }
    __int128 whole = 0;
    int intDigits = 0;
    for (; i < t.size() && t[i].isDigit(); ++i, ++intDigits) {
        whole = whole * 10 + (t[i].unicode() - u'0');
        if (whole > (__int128(1) << 62) / Scale) return std::nullopt;
    }
    __int128 frac = 0, fracScale = 1;
    int fracDigits = 0;
    if (i < t.size() && (t[i] == u',' || t[i] == u'.')) {
        ++i;
        for (; i < t.size() && t[i].isDigit(); ++i, ++fracDigits) {
            if (fracDigits < 18) { frac = frac * 10 + (t[i].unicode() - u'0'); fracScale *= 10; }
        }
    }
    if (i != t.size() || (intDigits == 0 && fracDigits == 0)) return std::nullopt;
    const __int128 scaledFrac = divRoundHalfEven(frac * Scale, fracScale);
    __int128 v = whole * Scale + scaledFrac;
    return Amount(static_cast<qint64>(neg ? -v : v));
}

QString Amount::toString() const
{
    const bool neg = v_ < 0;
    const quint64 a = neg ? quint64(-(v_ + 1)) + 1 : quint64(v_);
    QString frac = QString::number(a % Scale).rightJustified(4, u'0');
    while (frac.size() > 2 && frac.endsWith(u'0')) frac.chop(1);
    return (neg ? QStringLiteral("-") : QString()) + QString::number(a / Scale) + u'.' + frac;
}

Amount Amount::operator*(Amount o) const
{
    return Amount(static_cast<qint64>(divRoundHalfEven(__int128(v_) * o.v_, Scale)));
}

Amount Amount::operator/(Amount o) const
{
    if (o.v_ == 0) return Amount();
    return Amount(static_cast<qint64>(divRoundHalfEven(__int128(v_) * Scale, o.v_)));
}

Amount Amount::dividedBy(qint64 n) const
{
    if (n == 0) return Amount();
    return Amount(static_cast<qint64>(divRoundHalfEven(__int128(v_), n)));
}
