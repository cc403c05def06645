#include "ZrodlaDeklaracji.h"

#include "FDM.h"
#include "Globals.h"

namespace ZrodlaDeklaracji {

namespace {

Amount amountAt(const QVector<QVariant>& row, int i)
{
    return i < row.size() && !row[i].isNull() ? row[i].value<Amount>() : Amount();
}

Amount sumColumns(TTable* t, int podatId, int person, int count, const QStringList& columns)
{
    if (count < 1) return Amount();
    t->ensureOpen();
    const auto rows = t->select(QStringLiteral("PodatId = ? AND Rodz = ? AND NrZal BETWEEN 1 AND ?"),
                                {podatId, RodzCode(person), count}, columns);
    Amount sum;
    for (const auto& r : rows)
        for (int i = 0; i < columns.size(); ++i) sum += amountAt(r, i);
    return sum;
}

}  // namespace

const TIdLayout& IdLayoutPodatnik()
{
    static const TIdLayout l{{{{1, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}}, {}}};
    return l;
}

Amount SumPitZG(int podatId, int person, int count, const char* column)
{
    return sumColumns(DM()->PitZG, podatId, person, count, {QString::fromLatin1(column)});
}

Amount SumPitZGIncome27(int podatId, int person, int count)
{
    // Box 9 is a foreign-income record (revenue - costs); 12 .. 24 are typed.
    const Amount record = DM()->SumForeignIncome(podatId, person, count, 9) -
                          DM()->SumForeignCosts(podatId, person, count, 9);
    return record + sumColumns(DM()->PitZG, podatId, person, count,
                               {QStringLiteral("P12"), QStringLiteral("P15"), QStringLiteral("P18"),
                                QStringLiteral("P21"), QStringLiteral("P24")});
}

Amount SumPitZGTax29(int podatId, int person, int count)
{
    return sumColumns(DM()->PitZG, podatId, person, count,
                      {QStringLiteral("P11"), QStringLiteral("P14"), QStringLiteral("P17"), QStringLiteral("P20"),
                       QStringLiteral("P23"), QStringLiteral("P26")});
}

TUtrata ReadUtrata(int podatId, int person)
{
    TTable* t = DM()->Utrata;
    t->ensureOpen();
    const auto rows = t->select(QStringLiteral("PodatId = ? AND Rodz = ?"), {podatId, RodzCode(person)},
                                {QStringLiteral("Gosp"), QStringLiteral("Rol")});
    if (rows.isEmpty()) return {};
    return {amountAt(rows[0], 0), amountAt(rows[0], 1)};
}

TPitZRow ReadPitZ(int podatId, int person)
{
    TTable* t = DM()->PitZ;
    t->ensureOpen();
    const auto rows = t->select(QStringLiteral("PodatId = ? AND Rodz = ?"), {podatId, RodzCode(person)},
                                {QStringLiteral("P19"), QStringLiteral("P20"), QStringLiteral("P21"),
                                 QStringLiteral("P22"), QStringLiteral("P23"), QStringLiteral("P33"),
                                 QStringLiteral("P34"), QStringLiteral("P35"), QStringLiteral("P36")});
    TPitZRow z;
    if (rows.isEmpty()) return z;
    const auto& r = rows[0];
    z.found = true;
    z.p19 = amountAt(r, 0);
    z.p20 = amountAt(r, 1);
    z.p21 = amountAt(r, 2);
    z.p22 = amountAt(r, 3);
    z.p23 = amountAt(r, 4);
    z.p33 = amountAt(r, 5);
    z.p34 = amountAt(r, 6);
    z.p35 = amountAt(r, 7);
    z.p36 = amountAt(r, 8);
    return z;
}

TPitMSumy ReadPitM(int podatId, int person)
{
    TTable* t = DM()->PitM;
    t->ensureOpen();
    const QStringList cols{QStringLiteral("P7"),  QStringLiteral("P9"),  QStringLiteral("P10"), QStringLiteral("P11"),
                           QStringLiteral("P14"), QStringLiteral("P15"), QStringLiteral("P16"), QStringLiteral("P19"),
                           QStringLiteral("P20"), QStringLiteral("P21"), QStringLiteral("P24"), QStringLiteral("P29_2")};
    const auto rows = t->select(QStringLiteral("PodatId = ? AND Rodz = ?"), {podatId, RodzCode(person)}, cols);
    if (rows.isEmpty()) return {};
    const auto& r = rows[0];
    auto a = [&r](int i) { return amountAt(r, i); };
    auto income = [](Amount rev, Amount costs) { return rev > costs ? rev - costs : Amount(); };
    const Amount p27 = a(0) + income(a(2), a(3)) + income(a(5), a(6)) + income(a(8), a(9));
    const Amount p28 = a(1) + a(4) + a(7) + a(10);
    const bool oneParent = r.size() > 11 && r[11].toBool();
    if (oneParent) return {p27, p28};
    return {RoundAmount(2, p27.dividedBy(2)), RoundAmount(2, p28.dividedBy(2))};
}

Amount SumPitBRevenue(int podatId, int person, int count)
{
    return sumColumns(DM()->PitB, podatId, person, count,
                      {QStringLiteral("P11"), QStringLiteral("P17"), QStringLiteral("P26"), QStringLiteral("P37"),
                       QStringLiteral("P48")});
}

Amount SumPitBCosts(int podatId, int person, int count)
{
    return sumColumns(DM()->PitB, podatId, person, count,
                      {QStringLiteral("P12"), QStringLiteral("P18"), QStringLiteral("P28"), QStringLiteral("P39"),
                       QStringLiteral("P50")});
}

}  // namespace ZrodlaDeklaracji
