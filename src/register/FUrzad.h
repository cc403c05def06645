#pragma once
// A tax office of the `Urzedy` list.

#include <QString>

class TUrzad {
public:
    int UrzadId = 0;
    QString Nazwa;
    QString NazwaA, NazwaB;  // name and address in the two 27-character lines of the transfer form
    QString Konto;           // the office's account for income-tax payments

    // Loads the office with that id; an id not in the list gives empty texts.
    bool Load(int urzadId);
};
