#pragma once
// Complete returns worked out by hand, kept as data files: one return per line,
// "id;setup;typed;expected" with space-separated items.
//
// setup items put the attachments and register flags in place before Load:
//   reg:Column=n                   a taxpayer-record column (counts, flags, Sposob)
//   zag:R:NrZal:Pole=rev/costs     a foreign-income record of PIT/ZG
//   zg:R:NrZal:Column=amount       a stored PIT/ZG column
//   pz:R:Column=amount             a stored PIT/Z column
//   pm:R:Column=amount             a stored PIT/M column (P29_2=1 for "one parent")
//   pb:R:NrZal:Column=amount       a stored PIT/B column
//   ut:R=business/agricultural     lost deductions
//   po:Column=amount               a stored column of PIT/O attachment 1
// typed items "box=amount" are typed as the editor does (the box stops being blank);
// expected items "box=amount" are the boxes to compare after Save and a fresh Load.

#include "Amount.h"
#include "FDM.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QMap>
#include <QStringList>
#include <QTextStream>

#include <stdexcept>
#include <vector>

namespace returncases {

using Boxes = std::vector<std::pair<int, Amount>>;

struct Case {
    QString id;
    QStringList setup;
    Boxes typed, expected;
};

inline Amount amountOf(const QString& text)
{
    const auto a = Amount::parse(text);
    if (!a) throw std::runtime_error("bad amount " + text.toStdString());
    return *a;
}

inline Boxes parseBoxes(const QString& text)
{
    Boxes out;
    for (const QString& item : text.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList kv = item.split(u'=');
        if (kv.size() != 2) throw std::runtime_error("bad item " + item.toStdString());
        out.push_back({kv[0].toInt(), amountOf(kv[1])});
    }
    return out;
}

inline std::vector<Case> readCases(const QString& fileName)
{
    QFile f(QStringLiteral(ZORVIK_TEST_DATA_DIR "/declarations/data/") + fileName);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) throw std::runtime_error("no file");
    QTextStream in(&f);
    std::vector<Case> cases;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;
        const QStringList c = line.split(u';');
        if (c.size() != 4) throw std::runtime_error("bad line " + line.toStdString());
        cases.push_back({c[0].trimmed(), c[1].split(u' ', Qt::SkipEmptyParts), parseBoxes(c[2]), parseBoxes(c[3])});
    }
    return cases;
}

// Writes the setup items of a case for the taxpayer `podatId`.
inline void applySetup(TDM* dm, int podatId, const QStringList& setup)
{
    // Rows to write: table -> key (Rodz, NrZal) -> column -> value.
    QMap<QString, QMap<QPair<QString, int>, QVariantMap>> rows;
    for (const QString& item : setup) {
        const QStringList kv = item.split(u'=');
        const QStringList k = kv[0].split(u':');
        const QString kind = k[0];
        if (kind == QLatin1String("reg")) {
            dm->Podatnik->locate(QStringLiteral("PodatId"), podatId);
            dm->Podatnik->edit();
            dm->Podatnik->setValue(k[1], kv[1].toInt());
            dm->Podatnik->post();
        } else if (kind == QLatin1String("zag")) {
            const QStringList pk = kv[1].split(u'/');
            TTable* t = dm->Zagranica;
            t->append();
            t->setValue(QStringLiteral("PodatId"), podatId);
            t->setValue(QStringLiteral("Rodz"), k[1]);
            t->setValue(QStringLiteral("NrZal"), k[2].toInt());
            t->setValue(QStringLiteral("Pole"), k[3].toInt());
            t->setAmount(QStringLiteral("Przychod"), amountOf(pk[0]));
            t->setAmount(QStringLiteral("Koszty"), amountOf(pk[1]));
            t->post();
        } else if (kind == QLatin1String("ut")) {
            const QStringList gr = kv[1].split(u'/');
            rows[QStringLiteral("Utrata")][{k[1], 0}][QStringLiteral("Gosp")] = QVariant::fromValue(amountOf(gr[0]));
            rows[QStringLiteral("Utrata")][{k[1], 0}][QStringLiteral("Rol")] = QVariant::fromValue(amountOf(gr[1]));
        } else if (kind == QLatin1String("po")) {
            rows[QStringLiteral("PitO")][{QString(), 1}][k[1]] = QVariant::fromValue(amountOf(kv[1]));
        } else if (kind == QLatin1String("zg") || kind == QLatin1String("pb")) {
            const QString table = kind == QLatin1String("zg") ? QStringLiteral("PitZG") : QStringLiteral("PitB");
            rows[table][{k[1], k[2].toInt()}][k[3]] = QVariant::fromValue(amountOf(kv[1]));
        } else if (kind == QLatin1String("pz") || kind == QLatin1String("pm")) {
            const QString table = kind == QLatin1String("pz") ? QStringLiteral("PitZ") : QStringLiteral("PitM");
            const QVariant v = k[2].startsWith(QLatin1String("P29")) ? QVariant(kv[1] == QLatin1String("1"))
                                                                     : QVariant::fromValue(amountOf(kv[1]));
            rows[table][{k[1], 0}][k[2]] = v;
        } else {
            throw std::runtime_error("bad setup " + item.toStdString());
        }
    }
    for (auto t = rows.cbegin(); t != rows.cend(); ++t) {
        TTable* table = t.key() == QLatin1String("Utrata") ? dm->Utrata
                        : t.key() == QLatin1String("PitZG") ? dm->PitZG
                        : t.key() == QLatin1String("PitB")  ? dm->PitB
                        : t.key() == QLatin1String("PitZ")  ? dm->PitZ
                        : t.key() == QLatin1String("PitO")  ? dm->PitO
                                                            : dm->PitM;
        table->ensureOpen();
        for (auto r = t->cbegin(); r != t->cend(); ++r) {
            table->append();
            table->setValue(QStringLiteral("PodatId"), podatId);
            if (!r.key().first.isEmpty()) table->setValue(QStringLiteral("Rodz"), r.key().first);
            if (r.key().second > 0) table->setValue(QStringLiteral("NrZal"), r.key().second);
            for (auto c = r->cbegin(); c != r->cend(); ++c) table->setValue(c.key(), c.value());
            table->post();
        }
    }
}

// Each case of the file: a taxpayer (made by addTaxpayer(name)), its setup, the typed boxes
// through a fresh model, Save; then a fresh Load and the expected boxes.
template <class Model, class AddTaxpayer>
void checkReturns(TDM* dm, const QString& fileName, std::size_t atLeast, AddTaxpayer addTaxpayer)
{
    const auto cases = readCases(fileName);
    ASSERT_GE(cases.size(), atLeast);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id.toStdString());
        const int id = addTaxpayer(c.id);
        applySetup(dm, id, c.setup);
        {
            Model m;
            ASSERT_TRUE(m.Load(id));
            for (const auto& [box, a] : c.typed) {
                m.SetEmpty(box, false);
                m.SetField(box, a);
            }
            ASSERT_TRUE(m.Save());
        }
        Model m;
        ASSERT_TRUE(m.Load(id));
        for (const auto& [box, a] : c.expected)
            EXPECT_EQ(m.GetPole(box), a) << "box " << box << ": " << m.GetTekst(box).toStdString();
    }
}

}  // namespace returncases
