#pragma once
// Address division: from one finer address part typed by the user, the coarser parts
// already stored together with it in the register, when exactly one combination exists.

#include <QString>

class TPodzial {
public:
    QString Kraj, Wojew, Powiat, Gmina, Miasto, KodPoczt, Poczta;

    void Clear();
    void FillFromWojew(const QString& wojew);       // -> Kraj
    void FillFromPowiat(const QString& powiat);     // -> Kraj, Wojew
    void FillFromGmina(const QString& gmina);       // -> Kraj, Wojew, Powiat
    void FillFromMiasto(const QString& miasto);     // -> Kraj, Wojew, Powiat, Gmina
    void FillFromKodPoczt(const QString& kod);      // -> Kraj ... Miasto, Poczta
};
