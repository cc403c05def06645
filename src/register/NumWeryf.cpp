#include "NumWeryf.h"

#include "PolishText.h"

namespace {

bool allDigits(const QString& s)
{
    for (QChar c : s)
        if (c < u'0' || c > u'9') return false;
    return true;
}

int digit(const QString& s, int i) { return s.at(i).unicode() - u'0'; }

int weighted(const QString& digits, const char* weights)
{
    int sum = 0;
    for (int i = 0; weights[i]; ++i) sum += digit(digits, i) * (weights[i] - '0');
    return sum;
}

// Century and month of a PESEL month code; false for a code outside the five ranges.
bool centuryMonth(int code, int* century, int* month)
{
    struct R { int from, century; };
    static const R ranges[] = {{81, 1800}, {1, 1900}, {21, 2000}, {41, 2100}, {61, 2200}};
    for (const R& r : ranges)
        if (code >= r.from && code <= r.from + 11) {
            *century = r.century;
            *month = code - r.from + 1;
            return true;
        }
    return false;
}

}  // namespace

QString DigitsOnly(const QString& text)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (c != u' ' && c != u'-' && c != u'_') s += c;
    return s;
}

bool IsBlankNumber(const QString& text) { return DigitsOnly(text).isEmpty(); }

bool NipChecksumOk(const QString& d)
{
    if (d.size() != 10 || !allDigits(d)) return false;
    int r = weighted(d, "657234567") % 11;
    if (r == 10) r = 0;
    return r == digit(d, 9);
}

bool IsValidNip(const QString& nip)
{
    const QString t = nip.trimmed();
    if (IsBlankNumber(t)) return true;
    if (t.size() != 13) return false;
    for (QChar c : t)
        if (!(c.isDigit() && c.unicode() < 128) && c != u' ' && c != u'-' && c != u'_') return false;
    const QString d = DigitsOnly(t);
    if (d.size() != 10) return false;
    if (d.startsWith(QLatin1String("000"))) return false;
    return NipChecksumOk(d);
}

bool RegonChecksumOk(const QString& d)
{
    if (d.size() != 9 || !allDigits(d)) return false;
    int r = weighted(d, "89234567") % 11;
    if (r == 10) r = 0;
    return r == digit(d, 8);
}

bool IsValidRegon(const QString& regon)
{
    const QString t = regon.trimmed();
    if (IsBlankNumber(t)) return true;
    if (t.size() != 9 && t.size() != 14) return false;
    const QString first = t.left(9);
    return allDigits(first) && RegonChecksumOk(first);
}

bool PeselChecksumOk(const QString& d)
{
    if (d.size() != 11 || !allDigits(d)) return false;
    const int r = weighted(d, "1379137913") % 10;
    return (r == 0 ? 0 : 10 - r) == digit(d, 10);
}

bool IsValidPesel(const QString& pesel)
{
    if (IsBlankNumber(pesel)) return true;
    if (pesel.size() != 11 || !allDigits(pesel)) return false;
    int century = 0, month = 0;
    if (!centuryMonth(pesel.mid(2, 2).toInt(), &century, &month)) return false;
    const int day = pesel.mid(4, 2).toInt();
    if (day < 1 || day > 31) return false;
    return PeselChecksumOk(pesel);
}

QDate PeselBirthDate(const QString& pesel)
{
    if (pesel.size() != 11 || !allDigits(pesel)) return QDate();
    int century = 0, month = 0;
    if (!centuryMonth(pesel.mid(2, 2).toInt(), &century, &month)) return QDate();
    return QDate(century + pesel.left(2).toInt(), month, pesel.mid(4, 2).toInt());  // invalid if no such day
}

bool PeselMatchesDate(const QString& pesel, const QDate& date)
{
    if (!IsValidPesel(pesel)) return false;
    const QDate d = PeselBirthDate(pesel);
    return d.isValid() && date.isValid() && d == date;
}

bool PeselIsMale(const QString& pesel)
{
    if (pesel.size() != 11) return true;
    const QChar c = pesel.at(9);
    if (!c.isDigit()) return true;
    return (c.unicode() - u'0') % 2 == 1;
}

bool IsValidAccount(const QString& account)
{
    if (IsBlankNumber(account)) return true;
    const QString d = DigitsOnly(account);
    if (d.size() != 26 || !allDigits(d)) return false;
    const QString n = d.mid(2) + QStringLiteral("2521") + d.left(2);
    int rem = 0;
    for (QChar c : n) rem = (rem * 10 + (c.unicode() - u'0')) % 97;
    return rem == 1;
}

bool IsPoland(const QString& country) { return PolishUpper(country.trimmed()) == QLatin1String("POLSKA"); }

const QStringList& VoivodeshipNames()
{
    static const QStringList l{
        QStringLiteral("Dolnośląskie"),   QStringLiteral("Kujawsko-Pomorskie"), QStringLiteral("Lubelskie"),
        QStringLiteral("Lubuskie"),       QStringLiteral("Łódzkie"),            QStringLiteral("Małopolskie"),
        QStringLiteral("Mazowieckie"),    QStringLiteral("Opolskie"),           QStringLiteral("Podkarpackie"),
        QStringLiteral("Podlaskie"),      QStringLiteral("Pomorskie"),          QStringLiteral("Śląskie"),
        QStringLiteral("Świętokrzyskie"), QStringLiteral("Warmińsko-Mazurskie"), QStringLiteral("Wielkopolskie"),
        QStringLiteral("Zachodniopomorskie")};
    return l;
}

bool IsVoivodeshipName(const QString& name)
{
    const QString up = PolishUpper(name.trimmed());
    for (const QString& v : VoivodeshipNames())
        if (PolishUpper(v) == up) return true;
    return false;
}

bool IsValidWojew(const QString& name) { return name.trimmed().isEmpty() || IsVoivodeshipName(name); }

bool IsValidKodPoczt(const QString& code)
{
    if (code.trimmed().isEmpty()) return true;
    if (code.size() != 6 || code.at(2) != u'-') return false;
    for (int i : {0, 1, 3, 4, 5})
        if (code.at(i) < u'0' || code.at(i) > u'9') return false;
    return true;
}

QString FormatKodPoczt(const QString& code)
{
    if (code.size() != 5 && code.size() != 6) return code;
    QString digits;
    for (QChar c : code) {
        if (c >= u'0' && c <= u'9') digits += c;
        else if (c != u'-') return code;
    }
    if (digits.size() != 5) return code;
    return digits.left(2) + u'-' + digits.mid(2);
}

bool IsBirthDatePlausible(const QDate& date)
{
    const qint64 days = date.daysTo(QDate(2008, 1, 1));
    return double(days) / 365.0 >= 16.0;
}

QString BirthDateQuestion(const QDate& date)
{
    return QStringLiteral("Data urodzenia [") + date.toString(QStringLiteral("dd-MM-yyyy")) + QStringLiteral("] poprawna?");
}

QString InvalidPeselDateMessage() { return QStringLiteral("Nieprawidłowa data urodzenia w numerze PESEL"); }
