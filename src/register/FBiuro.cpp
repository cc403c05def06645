#include "FBiuro.h"

#include "FDM.h"

#include <utility>

namespace {

// Field of the record and its column, in the order of the table.
template <typename Fn>
void forEachField(TBiuro& b, Fn fn)
{
    const std::pair<QString*, const char*> map[] = {
        {&b.NIP, "Biuro_NIP"},           {&b.Nazwa, "Biuro_Nazwa"},         {&b.AdresKor, "Biuro_AdresKor"},
        {&b.Kraj, "Biuro_Kraj"},         {&b.Wojew, "Biuro_Wojew"},         {&b.Powiat, "Biuro_Powiat"},
        {&b.Gmina, "Biuro_Gmina"},       {&b.Ulica, "Biuro_Ulica"},         {&b.Posesja, "Biuro_Posesja"},
        {&b.Lokal, "Biuro_Lokal"},       {&b.Miasto, "Biuro_Miasto"},       {&b.KodPoczt, "Biuro_KodPoczt"},
        {&b.Poczta, "Biuro_Poczta"},     {&b.RepNIP, "Biuro_Rep_NIP"},      {&b.RepImie, "Biuro_Rep_Imie"},
        {&b.RepNazwisko, "Biuro_Rep_Nazwisko"}, {&b.RepAdresKor, "Biuro_Rep_AdresKor"}};
    for (const auto& [field, column] : map) fn(*field, QString::fromLatin1(column));
}

QString digitsOf(const QString& s)
{
    QString d;
    for (QChar c : s)
        if (c >= u'0' && c <= u'9') d += c;
    return d;
}

}  // namespace

void TBiuro::Clear()
{
    forEachField(*this, [](QString& f, const QString&) { f.clear(); });
}

void TBiuro::Load()
{
    Clear();
    TTable* t = DM()->Domysl;
    t->ensureOpen();
    t->first();
    if (t->isEmpty()) return;
    forEachField(*this, [t](QString& f, const QString& col) { f = t->asString(col); });
}

void TBiuro::Save()
{
    TTable* t = DM()->Domysl;
    t->ensureOpen();
    t->first();
    if (t->isEmpty()) t->append();
    else t->edit();
    try {
        forEachField(*this, [t](QString& f, const QString& col) { t->setValue(col, f); });
        t->post();
    } catch (...) {
        t->cancel();
        throw;
    }
}

QString TBiuro::NipDigits() const { return digitsOf(NIP); }
QString TBiuro::RepNipDigits() const { return digitsOf(RepNIP); }
