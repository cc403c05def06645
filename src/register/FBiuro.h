#pragma once
// The accounting office that prepares the returns, kept in the single `Domysl` row.

#include <QString>

class TBiuro {
public:
    QString NIP, Nazwa, AdresKor;
    QString Kraj, Wojew, Powiat, Gmina, Ulica, Posesja, Lokal, Miasto, KodPoczt, Poczta;
    QString RepNIP, RepImie, RepNazwisko, RepAdresKor;

    void Clear();
    void Load();   // Clear, then every field from the `Domysl` row (when there is one)
    void Save();   // writes every field into the `Domysl` row, creating it when absent; throws DbError
    QString NipDigits() const;     // the NIP without anything but its digits
    QString RepNipDigits() const;
};
