#pragma once
// Shared ground of the one-person attachment tests (PIT/B, PIT/M, PIT/Z, PIT/ZG, PIT-2K):
// a data folder with taxpayers, typing as the editor types, the error list as plain rows.

#include "Formularz.h"
#include "TestEnv.h"

#include <string>
#include <utility>
#include <vector>

#include <ostream>

// Amounts in failure messages as "1234.50".
inline void PrintTo(const Amount& a, std::ostream* os) { *os << a.toString().toStdString(); }

namespace attachtest {

using ErrorRows = std::vector<std::pair<int, std::string>>;

inline ErrorRows errorRows()
{
    ErrorRows rows;
    for (const TBlad& b : DM()->BledyTbl->rows()) rows.emplace_back(b.NrPola, b.Opis.toStdString());
    return rows;
}

// The editor's way of typing: the box is no longer blank, then the value.
inline void type(TFormularz& m, int box, Amount a)
{
    m.SetEmpty(box, false);
    m.SetField(box, a);
}

inline const QString kNip = QStringLiteral("123-456-32-18");     // valid
inline const QString kPesel = QStringLiteral("70030501231");     // born 5 March 1970
inline const QDate kBorn = QDate(1970, 3, 5);

class AttachTest : public DataFolderTest {
protected:
    // A taxpayer and spouse with complete identification.
    int addCouple(const QString& glowny, const QVariantMap& more = {})
    {
        QVariantMap m{{QStringLiteral("Glowny"), glowny},
                      {QStringLiteral("NIP"), kNip},
                      {QStringLiteral("DataUr"), kBorn},
                      {QStringLiteral("Pesel"), kPesel},
                      {QStringLiteral("MNazwisko"), QStringLiteral("Nowak")},
                      {QStringLiteral("MImie"), QStringLiteral("Anna")}};
        for (auto it = more.begin(); it != more.end(); ++it) m[it.key()] = it.value();
        return addTaxpayer(QStringLiteral("Nowak"), QStringLiteral("Jan"), m);
    }
};

}  // namespace attachtest
