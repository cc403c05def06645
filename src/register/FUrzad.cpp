#include "FUrzad.h"

#include "FDM.h"

bool TUrzad::Load(int urzadId)
{
    TTable* t = DM()->Urzedy;
    t->ensureOpen();
    const auto rows = t->select(QStringLiteral("UrzadId = ?"), {urzadId},
                                {QStringLiteral("Nazwa"), QStringLiteral("NazwaA"), QStringLiteral("NazwaB"),
                                 QStringLiteral("Konto")});
    if (rows.isEmpty()) {
        Nazwa.clear();
        NazwaA.clear();
        NazwaB.clear();
        Konto.clear();
        return false;
    }
    UrzadId = urzadId;
    Nazwa = rows[0][0].toString();
    NazwaA = rows[0][1].toString();
    NazwaB = rows[0][2].toString();
    Konto = rows[0][3].toString();
    return true;
}
