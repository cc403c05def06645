#include "Globals.h"

#include <QDir>
#include <QGuiApplication>
#include <QPalette>

namespace {

constexpr Amount kThreshold1 = "44490.00"_zl;
constexpr Amount kThreshold2 = "85528.00"_zl;
constexpr Amount kRate1 = "0.19"_zl;
constexpr Amount kRate2 = "0.30"_zl;
constexpr Amount kRate3 = "0.40"_zl;
constexpr Amount kReduction = "586.85"_zl;
constexpr Amount kBracket2Tax = "7866.25"_zl;
constexpr Amount kBracket3Tax = "20177.65"_zl;

// Cuts toward zero to a multiple of `unit` ten-thousandths.
Amount cutTo(Amount v, qint64 unit)
{
    return Amount::fromRaw(v.raw() / unit * unit);
}

// Digits with a space every three from the right.
QString grouped(quint64 whole)
{
    QString s = QString::number(whole);
    for (qsizetype i = s.size() - 3; i > 0; i -= 3) s.insert(i, u' ');
    return s;
}

// Rounds |raw| half away from zero to a multiple of `unit` and gives it with its sign.
QString formatRounded(Amount a, qint64 unit, int decimals)
{
    const bool neg = a.raw() < 0;
    const quint64 abs = neg ? quint64(-(a.raw() + 1)) + 1 : quint64(a.raw());
    const quint64 r = (abs + quint64(unit) / 2) / quint64(unit);  // in units
    const quint64 perZloty = quint64(Amount::Scale / unit);
    QString s = grouped(r / perZloty);
    if (decimals > 0) s += u',' + QString::number(r % perZloty).rightJustified(decimals, u'0');
    return (neg && r != 0 ? QStringLiteral("-") : QString()) + s;
}

}  // namespace

const QStringList& FormSymbols()
{
    static const QStringList l{
        QStringLiteral("PIT-36"), QStringLiteral("PIT-36L"), QStringLiteral("PIT-37"), QStringLiteral("PIT-38"),
        QStringLiteral("PIT/B"),  QStringLiteral("PIT/D"),   QStringLiteral("PIT-2K"), QStringLiteral("PIT/M"),
        QStringLiteral("PIT/O"),  QStringLiteral("PIT/X"),   QStringLiteral("PIT/Z"),  QStringLiteral("PIT/ZG"),
        QStringLiteral("NIP-1"),  QStringLiteral("NIP-3"),   QStringLiteral("SSE-R"),  QStringLiteral("Przelew")};
    return l;
}

QString FormSymbol(int formKind)
{
    return FormSymbols().value(formKind);
}

const QStringList& FormTitles()
{
    static const QStringList l = [] {
        QStringList t = FormSymbols();
        t[fkPrzelew] = QStringLiteral("Przelew/Wpłata");
        return t;
    }();
    return l;
}

const QStringList& RodzCodes()
{
    static const QStringList l{QStringLiteral("P"), QStringLiteral("M")};
    return l;
}

QString RodzCode(int person) { return RodzCodes().value(person); }

Amount RoundAmount(int mode, Amount value)
{
    switch (mode) {
    case 0: return cutTo(value + "0.50"_zl, Amount::Scale);
    case 1: return cutTo(value + "0.05"_zl, 1000);
    case 2: return cutTo(value + "0.005"_zl, 100);
    default: return value;
    }
}

Amount TruncToTenGrosz(Amount value) { return cutTo(value, 1000); }

Amount OnePercentLimit(Amount tax) { return TruncToTenGrosz(tax * "0.01"_zl); }

Amount ScaleTax(Amount income)
{
    Amount tax;
    if (income <= kThreshold1) {
        tax = income * kRate1 - kReduction;
        if (tax.isNegative()) tax = Amount();
    } else if (income <= kThreshold2) {
        tax = kBracket2Tax + (income - kThreshold1) * kRate2;
    } else {
        tax = kBracket3Tax + (income - kThreshold2) * kRate3;
    }
    return RoundAmount(2, tax);
}

THealthSplit SplitHealthDeduction(int code, Amount z, Amount y, Amount x)
{
    if (code != 1 && code != 2) return {y < z ? y : z, Amount()};
    if (z >= y + x) return {y, x};
    if (z <= y) return {z, Amount()};
    if (z <= x) return {Amount(), z};
    return {y, z - y};
}

Amount MaxAmount(Amount a, Amount b) { return a > b ? a : b; }

QString FormatAmount(Amount a) { return formatRounded(a, 100, 2); }
QString FormatWholeAmount(Amount a) { return formatRounded(a, Amount::Scale, 0); }

QString DigitCode(QChar digit)
{
    static const char* const codes[] = {"ZER", "JED", "DWA", "TRZ", "CZT", "PIĘ", "SZE", "SIE", "OSI", "DZI"};
    if (digit < u'0' || digit > u'9') return QString();
    return QString::fromUtf8(codes[digit.unicode() - u'0']);
}

QString AmountInWordsCode(Amount a)
{
    const qint64 raw = a.raw() < 0 ? -a.raw() : a.raw();
    QString out;
    for (QChar c : QString::number(raw / Amount::Scale)) out += DigitCode(c) + u'*';
    out += QString::number((raw % Amount::Scale) / 100) + QStringLiteral("/100");
    return out;
}

QString FilingMethodText(int code)
{
    switch (code) {
    case 0: return QStringLiteral("indywidualnie");
    case 1:
    case 2: return QStringLiteral("wspólnie z małżonkiem");
    case 3: return QStringLiteral("wspólnie z dzieckiem");
    default: return QString();
    }
}

int FilingMethodCode(int number) { return (number >= 1 && number <= 3) ? number : 0; }

QString DeclarationCaption(const QString& formSymbol, const QString& surname, const QString& firstName,
                           int filingMethodCode)
{
    return formSymbol + QStringLiteral(" - ") + firstName.trimmed() + u' ' + surname + QStringLiteral(" [") +
           FilingMethodText(filingMethodCode) + u']';
}

QString UndefinedBoxMessage(const QString& operation, int box)
{
    return QStringLiteral("Procedura: ") + operation.trimmed() + QStringLiteral(" - pole: ") + QString::number(box) +
           QStringLiteral(" nieokreślone.");
}

QString MissingTaxpayerMessage(int podatId)
{
    return QStringLiteral("Brak podatnika [PodatId = [") + QString::number(podatId) + QStringLiteral("].");
}

QString BoxControlName(int n) { return u'F' + QString::number(n); }
QString BoxLabelName(int n) { return u'F' + QString::number(n) + QStringLiteral("Lbl"); }
QString BoxButtonName(int n) { return u'F' + QString::number(n) + QStringLiteral("Btn"); }
QString BoxTagName(int n) { return u'b' + QString::number(n); }

QColor EditColour(bool editable)
{
    const QPalette pal = qGuiApp ? QGuiApplication::palette() : QPalette();
    return pal.color(editable ? QPalette::Base : QPalette::Button);
}

QString WithTrailingSeparator(const QString& path)
{
    const QChar sep = QDir::separator();
    if (path.endsWith(sep) || path.endsWith(u'/')) return path;
    return path + sep;
}

QString RemoveSpaces(const QString& text)
{
    QString s = text;
    s.remove(u' ');
    return s;
}

QString RemoveHyphens(const QString& text)
{
    QString s = text;
    s.remove(u'-');
    return s;
}

void ClearFieldNote(TFieldNote& note)
{
    note.colour = ncNone;
    note.text.clear();
    note.shown = false;
}

void SetFieldNote(TFieldNote& note, int colour, const QString& text)
{
    note.colour = colour;
    note.text = text;
    note.shown = true;
}

QColor NoteQColor(int colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}
