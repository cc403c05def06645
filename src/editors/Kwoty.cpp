#include "Kwoty.h"

#include "FDM.h"
#include "Globals.h"
#include "Messages.h"

namespace {

constexpr Amount kPitD49Cap = "11340.00"_zl;

QString currency(Amount a) { return FormatAmount(a) + QStringLiteral(" zł"); }

// Sets the item's fields on the row being inserted or edited and posts it (cancelled on failure).
void postItem(TTable* t, const QString& opis, Amount kwota)
{
    t->setValue(QStringLiteral("Opis"), opis);
    t->setAmount(QStringLiteral("Kwota"), RoundAmount(2, kwota));
    try {
        t->post();
    } catch (...) {
        t->cancel();
        throw;
    }
}

}  // namespace

QString TKwotyKey::rodz() const { return RodzCode(person); }
QString TKwotyKey::pit() const { return FormSymbol(formKind); }

TKwotyList::TKwotyList(TDM* dm) : dm_(dm) {}

QString TKwotyList::OpenFailedMessage() { return QStringLiteral("Nie udało się otworzyć tabeli Kwoty.db!"); }

bool TKwotyList::open(const TKwotyKey& key)
{
    key_ = key;
    rows_.clear();
    try {
        reload();
    } catch (const DbError&) {
        ShowWarning(OpenFailedMessage());
        return false;
    }
    return true;
}

void TKwotyList::reload()
{
    TDM* dm = dm_ ? dm_ : DM();
    TQuery* q = dm->Kwoty;
    q->close();
    q->setParam(QStringLiteral(":PodatId"), key_.podatId);
    q->setParam(QStringLiteral(":Rodz"), key_.rodz());
    q->setParam(QStringLiteral(":Pit"), key_.pit());
    q->setParam(QStringLiteral(":Pole"), key_.box);
    q->setParam(QStringLiteral(":NrZal"), key_.nrZal);
    q->open();
    rows_.clear();
    for (q->first(); !q->eof(); q->next())
        rows_.push_back({q->value(QStringLiteral("Porz")).toInt(), q->value(QStringLiteral("Opis")).toString(),
                         q->value(QStringLiteral("Kwota")).value<Amount>()});
}

int TKwotyList::indexOf(int porz) const
{
    for (int i = 0; i < rows_.size(); ++i)
        if (rows_[i].porz == porz) return i;
    return -1;
}

Amount TKwotyList::total() const
{
    Amount sum;
    for (const TKwota& r : rows_) sum += r.kwota;
    return sum;
}

int TKwotyList::percentage() const { return key_.formKind == fkPitD && key_.box == 49 ? 30 : 100; }

Amount TKwotyList::result() const
{
    const Amount sum = total();
    if (percentage() == 100) return sum;
    Amount r = RoundAmount(2, (sum * percentage()).dividedBy(100));
    if (key_.formKind == fkPitD && key_.box == 49 && r > kPitD49Cap) r = kPitD49Cap;
    return r;
}

QString TKwotyList::caption() const
{
    return key_.pit() + QStringLiteral(" - [poz. ") + QString::number(key_.box) + u']';
}

QString TKwotyList::statusText() const
{
    QString s = QStringLiteral(" Suma: ") + currency(total());
    if (key_.formKind == fkPitO || (key_.formKind == fkPitD && key_.box == 49))
        s += QStringLiteral("    Kwota odliczenia: ") + currency(result());
    return s;
}

int TKwotyList::insert(const QString& opis, Amount kwota)
{
    TTable* t = (dm_ ? dm_ : DM())->KwotyTbl;
    t->ensureOpen();
    t->append();
    t->setValue(QStringLiteral("PodatId"), key_.podatId);
    t->setValue(QStringLiteral("Rodz"), key_.rodz());
    t->setValue(QStringLiteral("Pit"), key_.pit());
    t->setValue(QStringLiteral("NrZal"), key_.nrZal);
    t->setValue(QStringLiteral("Pole"), key_.box);
    postItem(t, opis, kwota);
    const int porz = t->asInt(QStringLiteral("Porz"));
    reload();
    return porz;
}

int TKwotyList::update(int porz, const QString& opis, Amount kwota)
{
    TTable* t = (dm_ ? dm_ : DM())->KwotyTbl;
    t->ensureOpen();
    if (!t->locate(QStringLiteral("Porz"), porz)) return 0;
    t->edit();
    postItem(t, opis, kwota);
    reload();
    return porz;
}

int TKwotyList::removeAt(int index)
{
    if (index < 0 || index >= rows_.size()) return index < rows_.size() ? index : int(rows_.size()) - 1;
    TTable* t = (dm_ ? dm_ : DM())->KwotyTbl;
    t->ensureOpen();
    if (t->locate(QStringLiteral("Porz"), rows_[index].porz)) t->remove();
    reload();
    if (rows_.isEmpty()) return -1;
    return std::min(index, int(rows_.size()) - 1);
}

bool TKwotyList::find(int porz, TKwota& out) const
{
    TTable* t = (dm_ ? dm_ : DM())->KwotyTbl;
    t->ensureOpen();
    const auto rows = t->select(QStringLiteral("Porz = ?"), {porz},
                                {QStringLiteral("Porz"), QStringLiteral("Opis"), QStringLiteral("Kwota")});
    if (rows.isEmpty()) return false;
    out = {rows[0][0].toInt(), rows[0][1].toString(), rows[0][2].value<Amount>()};
    return true;
}
