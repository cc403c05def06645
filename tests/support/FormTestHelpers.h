#pragma once
// Small helpers of the form-model tests: a taxpayer whose identification passes every
// check, typing a box as the editor does, and the error list as (box, text) pairs.

#include "FDM.h"
#include "Formularz.h"

#include <QDate>
#include <QVariantMap>

#include <utility>

// Register columns of a taxpayer whose identification and address pass every check.
inline QVariantMap CompleteIdentity()
{
    return {{QStringLiteral("NIP"), QStringLiteral("123-456-32-18")},
            {QStringLiteral("DataUr"), QDate(1980, 4, 30)},
            {QStringLiteral("Pesel"), QStringLiteral("80043012343")},
            {QStringLiteral("Kraj"), QStringLiteral("Polska")},
            {QStringLiteral("Wojew"), QStringLiteral("Mazowieckie")},
            {QStringLiteral("Powiat"), QStringLiteral("Warszawa")},
            {QStringLiteral("Gmina"), QStringLiteral("Warszawa")},
            {QStringLiteral("Ulica"), QStringLiteral("Prosta")},
            {QStringLiteral("Posesja"), QStringLiteral("1")},
            {QStringLiteral("Miasto"), QStringLiteral("Warszawa")},
            {QStringLiteral("KodPoczt"), QStringLiteral("00-001")}};
}

// Types an amount into a box: the box is no longer blank, and the model takes the value.
inline void TypeBox(TFormularz& m, int box, Amount a)
{
    m.SetEmpty(box, false);
    m.SetField(box, a);
}

using ErrorRows = QVector<std::pair<int, QString>>;

inline ErrorRows ErrorListRows(const TDM& dm, int fromBox = 0)
{
    ErrorRows r;
    for (const TBlad& e : dm.BledyTbl->rows())
        if (e.NrPola >= fromBox) r.push_back({e.NrPola, e.Opis});
    return r;
}
