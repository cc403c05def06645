#include "Podzial.h"

#include "FDM.h"

namespace {

// Runs the completion query with the trimmed value; the row when there is exactly one.
bool single(TQuery* q, const QString& param, const QString& value)
{
    q->close();
    q->setParam(param, value.trimmed());
    q->open();
    const bool one = q->recordCount() == 1;
    q->first();
    return one;
}

}  // namespace

void TPodzial::Clear()
{
    Kraj.clear();
    Wojew.clear();
    Powiat.clear();
    Gmina.clear();
    Miasto.clear();
    KodPoczt.clear();
    Poczta.clear();
}

void TPodzial::FillFromWojew(const QString& wojew)
{
    Clear();
    Wojew = wojew;
    if (wojew.trimmed().isEmpty()) return;
    TQuery* q = DM()->pWojew;
    if (!single(q, QStringLiteral("Wojew"), wojew)) return;
    Kraj = q->asString(QStringLiteral("Kraj"));
}

void TPodzial::FillFromPowiat(const QString& powiat)
{
    Clear();
    Powiat = powiat;
    if (powiat.trimmed().isEmpty()) return;
    TQuery* q = DM()->pPowiat;
    if (!single(q, QStringLiteral("Powiat"), powiat)) return;
    Kraj = q->asString(QStringLiteral("Kraj"));
    Wojew = q->asString(QStringLiteral("Wojew"));
}

void TPodzial::FillFromGmina(const QString& gmina)
{
    Clear();
    Gmina = gmina;
    if (gmina.trimmed().isEmpty()) return;
    TQuery* q = DM()->pGmina;
    if (!single(q, QStringLiteral("Gmina"), gmina)) return;
    Kraj = q->asString(QStringLiteral("Kraj"));
    Wojew = q->asString(QStringLiteral("Wojew"));
    Powiat = q->asString(QStringLiteral("Powiat"));
}

void TPodzial::FillFromMiasto(const QString& miasto)
{
    Clear();
    Miasto = miasto;
    if (miasto.trimmed().isEmpty()) return;
    TQuery* q = DM()->pMiasto;
    if (!single(q, QStringLiteral("Miasto"), miasto)) return;
    Kraj = q->asString(QStringLiteral("Kraj"));
    Wojew = q->asString(QStringLiteral("Wojew"));
    Powiat = q->asString(QStringLiteral("Powiat"));
    Gmina = q->asString(QStringLiteral("Gmina"));
}

void TPodzial::FillFromKodPoczt(const QString& kod)
{
    Clear();
    KodPoczt = kod;
    if (kod.trimmed().isEmpty()) return;
    TQuery* q = DM()->pKodPoczt;
    if (!single(q, QStringLiteral("KodPoczt"), kod)) return;
    Kraj = q->asString(QStringLiteral("Kraj"));
    Wojew = q->asString(QStringLiteral("Wojew"));
    Powiat = q->asString(QStringLiteral("Powiat"));
    Gmina = q->asString(QStringLiteral("Gmina"));
    Miasto = q->asString(QStringLiteral("Miasto"));
    Poczta = q->asString(QStringLiteral("Poczta"));
}
