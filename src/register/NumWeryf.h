#pragma once
// Checks of the Polish identifiers as the user typed them: NIP, REGON, PESEL, the bank
// account (NRB), postal code, voivodeship. Pure functions: a blank value is valid; saying
// that a required identifier is missing is the caller's business.

#include <QDate>
#include <QString>
#include <QStringList>

// The text without its spaces, hyphens and underscores (other characters stay).
QString DigitsOnly(const QString& text);
// Nothing but spaces, hyphens and underscores.
bool IsBlankNumber(const QString& text);

bool IsValidNip(const QString& nip);
bool NipChecksumOk(const QString& tenDigits);
bool IsValidRegon(const QString& regon);
bool RegonChecksumOk(const QString& nineDigits);
bool IsValidPesel(const QString& pesel);
bool PeselChecksumOk(const QString& elevenDigits);
// The encoded birth date; an invalid QDate ("no date") when the text is not eleven digits
// or encodes a day its month does not have (31 April, 30 February).
QDate PeselBirthDate(const QString& pesel);
// The PESEL is valid and encodes exactly that date.
bool PeselMatchesDate(const QString& pesel, const QDate& date);
// Tenth digit odd; also true for a text of another length than 11.
bool PeselIsMale(const QString& pesel);
bool IsValidAccount(const QString& account);

bool IsPoland(const QString& country);
// "Dolnośląskie" ... "Zachodniopomorskie", in this order.
const QStringList& VoivodeshipNames();
bool IsVoivodeshipName(const QString& name);
bool IsValidWojew(const QString& name);
bool IsValidKodPoczt(const QString& code);
QString FormatKodPoczt(const QString& code);
// At least 16 years (days / 365) on 1 January 2008.
bool IsBirthDatePlausible(const QDate& date);
// "Data urodzenia [05-03-1970] poprawna?"
QString BirthDateQuestion(const QDate& date);
// The warning of a PESEL whose date does not exist.
QString InvalidPeselDateMessage();
