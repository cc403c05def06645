#pragma once
// Shared ground of the NIP-1 and NIP-3 model tests: a data folder, forms filled so that
// Verify finds nothing, and the error list as plain rows.

#include "FNip1.h"
#include "FNip3.h"
#include "TestEnv.h"

#include <QDate>

#include <string>
#include <utility>
#include <vector>

namespace niptest {

// Error rows as (box, message), printable by the test framework.
using ErrorRows = std::vector<std::pair<int, std::string>>;

inline ErrorRows errorRows()
{
    ErrorRows rows;
    for (const TBlad& b : DM()->BledyTbl->rows()) rows.emplace_back(b.NrPola, b.Opis.toStdString());
    return rows;
}

inline const QString kNip = QStringLiteral("123-456-32-18");          // valid, mask form
inline const QString kNipDigits = QStringLiteral("1234563218");        // the same, ten digits
inline const QString kMalePesel = QStringLiteral("70030501231");       // born 5 March 1970, male
inline const QDate kMaleBorn = QDate(1970, 3, 5);
inline const QString kFemalePesel = QStringLiteral("85031202845");     // born 12 March 1985, female
inline const QString kAccount = QStringLiteral("50109010140000000012345678");
inline const QString kBadAccount = QStringLiteral("51109010140000000012345678");

// Country, voivodeship, county, commune, street, house, flat, locality, postal code, post office.
inline void fillAddress(TNipForm& f, int first)
{
    const char* parts[] = {"Polska", "Mazowieckie", "Warszawa", "Warszawa", "Prosta",
                           "12",     "3",           "Warszawa", "00-950",   "Warszawa"};
    for (int i = 0; i < 10; ++i) f.SetText(first + i, QString::fromUtf8(parts[i]));
}

// Boxes 1 to 57 as both forms have them: an update form of a man, complete.
inline void fillPerson(TNipForm& f)
{
        f.SetNip(1, kNip);
    f.SetSquare(4, 2, true);
    f.SetText(5, QStringLiteral("Urząd Skarbowy Warszawa-Bielany"));
    f.SetSquare(6, 1, true);
    f.SetPesel(kMalePesel);
    f.SetText(9, QStringLiteral("Kowalski"));
    f.SetText(10, QStringLiteral("Jan"));
    f.SetText(11, QStringLiteral("Piotr"));
    f.SetText(12, QStringLiteral("Adam"));
    f.SetText(13, QStringLiteral("Ewa"));
    f.SetDataUr(kMaleBorn);
    f.SetText(15, QStringLiteral("Radom"));
    f.SetSquare(16, 2, true);
    f.SetText(18, QStringLiteral("Dowód osobisty"));
    f.SetText(19, QStringLiteral("ABC123456"));
    f.SetText(20, QStringLiteral("Polskie"));
    f.SetDate(26, QDate(2001, 6, 1));
    fillAddress(f, 27);
    f.SetFlag(38, true);
    f.SetDate(39, QDate(2001, 6, 1));
    fillAddress(f, 40);
    f.SetText(53, QStringLiteral("Polska"));
    f.SetText(54, QStringLiteral("Bank Polski SA"));
    f.SetText(55, QStringLiteral("Jan Kowalski"));
    f.SetText(56, kAccount);
}

inline void fillComplete(TNip1& f)
{
    fillPerson(f);
    f.SetDate(58, QDate(2005, 1, 3));
    f.SetText(59, QStringLiteral("123456785"));
    f.SetText(60, QStringLiteral("Handel detaliczny\nnaprawy"));
    f.SetText(61, QStringLiteral("5211"));
    f.SetSquare(62, 2, true);
    f.SetText(63, QStringLiteral("Polska"));
    f.SetText(64, QStringLiteral("Bank Polski SA"));
    f.SetText(65, QStringLiteral("Jan Kowalski"));
    f.SetText(66, kAccount);
    f.SetSquare(78, 2, true);
    f.SetSquare(79, 1, true);
    f.SetNip(80, kNipDigits);
    f.SetText(81, QStringLiteral("Biuro Rachunkowe Saldo"));
    fillAddress(f, 82);
    f.SetDate(99, QDate(2005, 1, 3));
    fillAddress(f, 100);
    f.SetDate(129, QDate(2008, 4, 20));
}

inline void fillComplete(TNip3& f)
{
    fillPerson(f);
    f.SetText(61, QStringLiteral("Jan"));
    f.SetText(62, QStringLiteral("Kowalski"));
    f.SetDate(65, QDate(2008, 4, 20));
}

}  // namespace niptest
