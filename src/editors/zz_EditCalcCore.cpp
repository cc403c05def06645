#include "zz_EditCalcCore.h"

#include "Globals.h"

#include <QStringList>
#include <QVector>

namespace {

constexpr QChar kDecimal = u',';

bool isSpaceSeparator(QChar c)
{
    return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F);
}

bool isSign(QChar c) { return c == u'+' || c == u'-'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// A plain number: optional sign, digits, optional one decimal separator and digits.
std::optional<Amount> convert(const QString& s)
{
    if (s.isEmpty()) return std::nullopt;
    qsizetype i = isSign(s[0]) ? 1 : 0;
    int digits = 0, seps = 0;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) ++digits;
        else if (s[i] == kDecimal || s[i] == u'.') ++seps;
        else return std::nullopt;
    }
    if (digits == 0 || seps > 1) return std::nullopt;
    return Amount::parse(s);
}

// Splits a format into its sections at ';' outside quotes.
QStringList formatSections(const QString& fmt)
{
    QStringList out;
    QString cur;
    QChar quote;
    for (QChar c : fmt) {
        if (!quote.isNull()) {
            if (c == quote) quote = QChar();
            cur += c;
        } else if (c == u'"' || c == u'\'') {
            quote = c;
            cur += c;
        } else if (c == u';') {
            out << cur;
            cur.clear();
        } else {
            cur += c;
        }
    }
    out << cur;
    return out;
}

// The number part of one section and the literal text around it.
struct SectionFormat {
    QString prefix, suffix;
    bool hasNumber = false;
    bool grouping = false;
    int minInt = 0;        // '0' placeholders before the point
    int minDecimals = 0;   // '0' placeholders after the point
    int maxDecimals = 0;   // '0' and '#' after the point
};

SectionFormat parseSection(const QString& sec)
{
    // Characters with a flag telling whether they are literal (quoted or not a number character).
    struct Token { QChar c; bool literal; };
    QVector<Token> tokens;
    QChar quote;
    for (QChar c : sec) {
        if (!quote.isNull()) {
            if (c == quote) quote = QChar();
            else tokens.push_back({c, true});
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else {
            const bool number = c == u'0' || c == u'#' || c == u'.' || c == u',';
            tokens.push_back({c, !number});
        }
    }
    SectionFormat f;
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i < tokens.size(); ++i)
        if (!tokens[i].literal) { if (first < 0) first = i; last = i; }
    if (first < 0) {
        for (const Token& t : tokens) f.prefix += t.c;
        return f;
    }
    f.hasNumber = true;
    for (qsizetype i = 0; i < first; ++i) f.prefix += tokens[i].c;
    bool afterPoint = false;
    for (qsizetype i = first; i <= last; ++i) {
        const QChar c = tokens[i].c;
        if (tokens[i].literal) f.suffix += c;   // text inside the number goes after it
        else if (c == u'.') afterPoint = true;
        else if (c == u',') f.grouping = f.grouping || !afterPoint;
        else if (afterPoint) { ++f.maxDecimals; if (c == u'0') f.minDecimals = f.maxDecimals; }
        else if (c == u'0') ++f.minInt;
    }
    f.maxDecimals = qMin(f.maxDecimals, 4);
    f.minDecimals = qMin(f.minDecimals, 4);
    for (qsizetype i = last + 1; i < tokens.size(); ++i) f.suffix += tokens[i].c;
    return f;
}

QString groupDigits(QString digits)
{
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3) digits.insert(i, u' ');
    return digits;
}

// |value| rounded half away from zero to `decimals` (0..4): whole part and decimal digits.
void splitRounded(Amount value, int decimals, quint64& whole, QString& frac)
{
    const bool neg = value.raw() < 0;
    const quint64 abs = neg ? quint64(-(value.raw() + 1)) + 1 : quint64(value.raw());
    quint64 unit = 1;
    for (int i = decimals; i < 4; ++i) unit *= 10;
    const quint64 r = (abs + unit / 2) / unit;
    quint64 perZloty = 1;
    for (int i = 0; i < decimals; ++i) perZloty *= 10;
    whole = r / perZloty;
    frac = decimals > 0 ? QString::number(r % perZloty).rightJustified(decimals, u'0') : QString();
}

QString formatNumber(Amount absValue, const SectionFormat& f)
{
    quint64 whole = 0;
    QString frac;
    splitRounded(absValue, f.maxDecimals, whole, frac);
    while (frac.size() > f.minDecimals && frac.endsWith(u'0')) frac.chop(1);
    QString intPart = whole == 0 && f.minInt == 0 ? QString() : QString::number(whole);
    intPart = intPart.rightJustified(f.minInt, u'0');
    if (f.grouping) intPart = groupDigits(intPart);
    QString out = intPart;
    if (!frac.isEmpty()) out += kDecimal + frac;
    if (out.isEmpty()) out = QStringLiteral("0");
    return out;
}

bool roundsToZero(Amount value, int decimals)
{
    quint64 whole = 0;
    QString frac;
    splitRounded(value, decimals, whole, frac);
    return whole == 0 && frac.count(u'0') == frac.size();
}

}  // namespace

TAmountParse ParseAmountText(const QString& text, const QString& displayFormat)
{
    if (text.trimmed().isEmpty()) return {Amount(), true};

    QString s = text;
    while (!s.isEmpty() && !isSign(s.front()) && !isDigit(s.front())) s.remove(0, 1);
    while (!s.isEmpty() && !isDigit(s.back())) s.chop(1);
    s.removeIf(isSpaceSeparator);

    if (auto v = convert(s)) return {*v, true};

    const QStringList sections = formatSections(displayFormat);
    // The zero section read back (also when trimming above ate it, e.g. a "-").
    if (sections.size() >= 3 && !sections.at(2).trimmed().isEmpty()
        && (s.compare(sections.at(2), Qt::CaseInsensitive) == 0
            || text.trimmed().compare(sections.at(2).trimmed(), Qt::CaseInsensitive) == 0))
        return {Amount(), true};

    // Keep what can be part of a number; a '.' counts as the decimal separator only
    // when no comma is left.
    s.removeIf([](QChar c) { return !isSign(c) && !isDigit(c) && c != kDecimal && c != u'.'; });
    if (s.contains(kDecimal)) s.remove(u'.');
    if (s.count(u'.') > 1) s.remove(u'.');
    return {convert(s).value_or(Amount()), false};
}

QString FormatDisplayAmount(Amount value, const QString& displayFormat)
{
    if (displayFormat.isEmpty()) return FormatAmount(value) + QStringLiteral(" zł");

    const QStringList sections = formatSections(displayFormat);
    const SectionFormat positive = parseSection(sections.at(0));
    const bool negative = value.isNegative();

    if (sections.size() >= 3 && roundsToZero(value, positive.maxDecimals)) {
        const SectionFormat zero = parseSection(sections.at(2));
        if (!zero.hasNumber) return zero.prefix;
        return zero.prefix + formatNumber(Amount(), zero) + zero.suffix;
    }
    if (negative && sections.size() >= 2 && !sections.at(1).isEmpty()) {
        const SectionFormat neg = parseSection(sections.at(1));
        if (!neg.hasNumber) return neg.prefix;
        return neg.prefix + formatNumber(-value, neg) + neg.suffix;
    }
    if (!positive.hasNumber) return positive.prefix;
    const QString number = formatNumber(negative ? -value : value, positive);
    const bool showMinus = negative && !roundsToZero(value, positive.maxDecimals);
    return (showMinus ? QStringLiteral("-") : QString()) + positive.prefix + number + positive.suffix;
}

bool TEditCalcState::parse(const QString& text)
{
    const TAmountParse r = ParseAmountText(text, displayFormat);
    value = r.value;
    parseErrorPending = !r.ok;
    return r.ok;
}

Amount TEditCalcState::clamped() const
{
    if (aboveLimit()) return highLimit;
    if (belowLimit()) return lowLimit;
    return value;
}

Amount TEditCalcState::displayed(bool focused) const
{
    if (focused || !options.testFlag(coCropBeyondLimit)) return value;
    return clamped();
}

TEditDisplay TEditCalcState::display(const QString& currentText, bool focused) const
{
    if (currentText.isEmpty() && value.isZero()) return {QString(), TEditBackground::Normal};
    if (focused) return {FormatDisplayAmount(value, displayFormat), TEditBackground::Normal};
    const bool crop = options.testFlag(coCropBeyondLimit);
    if (aboveLimit())
        return crop ? TEditDisplay{FormatDisplayAmount(highLimit, displayFormat), TEditBackground::Normal}
                    : TEditDisplay{FormatDisplayAmount(value, displayFormat), TEditBackground::Above};
    if (belowLimit())
        return crop ? TEditDisplay{FormatDisplayAmount(lowLimit, displayFormat), TEditBackground::Normal}
                    : TEditDisplay{FormatDisplayAmount(value, displayFormat), TEditBackground::Below};
    return {FormatDisplayAmount(value, displayFormat), TEditBackground::Normal};
}
