#pragma once
// Letter case and order of Polish text. SQLite's own upper(), LIKE and NOCASE
// only know ASCII, so every connection gets the POLISH collation and the
// PLUPPER() function from here.

#include <QString>
#include <QStringView>

class QSqlDatabase;

// Upper case with Polish letters ("śląskie" -> "ŚLĄSKIE").
QString PolishUpper(QStringView s);
// Case-insensitive equality ("Śląskie" == "ŚLĄSKIE").
bool SameTextPL(QStringView a, QStringView b);
// Whether `s` starts with `prefix`, ignoring letter case.
bool StartsWithTextPL(QStringView s, QStringView prefix);
// Dictionary order of the Polish alphabet, letter case ignored first
// (A Ą B C Ć ... Z Ź Ż); texts equal but for case are then ordered by code point.
int PolishCompare(QStringView a, QStringView b);

// Registers the POLISH collation and PLUPPER() on an open SQLite connection.
void RegisterPolishSql(QSqlDatabase& db);
