#pragma once
// Itemised amounts behind a box: a list of described partial amounts kept per taxpayer,
// person, form, box and attachment in Kwoty.db, read through the Kwoty query and
// written through KwotyTbl (every post committed at once). The list's total, or for
// PIT/D box 49 its 30 % capped at 11 340,00, becomes the box's value.
// No widgets here: the dialogs in FKwotyFrm / FEditKwotaFrm show this.

#include "Amount.h"

#include <QString>
#include <QVector>

class TDM;

// Which list: the key fields of Kwoty.db.
struct TKwotyKey {
    int podatId = 0;
    int formKind = 0;   // FormKind, index into FormSymbols
    int person = 0;     // 0 taxpayer ("P"), 1 spouse ("M")
    int box = 0;
    int nrZal = 1;      // attachment number, 1 for a main form
    QString rodz() const;
    QString pit() const;
};

struct TKwota {
    int porz = 0;       // row identity and order
    QString opis;
    Amount kwota;
};

// A box description of a form's table.
struct TPole {
    int Nr;
    const char* Opis;
};

// The description of a box shown above its list: only for PIT-36, PIT-36L, PIT-37, PIT/D,
// PIT/M and PIT/O; empty for other forms and for boxes not in the form's table.
QString BoxDescription(int formKind, int box);

class TKwotyList {
public:
    explicit TKwotyList(TDM* dm = nullptr);

    // Opens the list of `key`; false (and the warning "Nie udało się otworzyć tabeli
    // Kwoty.db!") when the query cannot be opened.
    bool open(const TKwotyKey& key);
    // Re-reads the rows of the current key.
    void reload();

    const TKwotyKey& key() const { return key_; }
    const QVector<TKwota>& rows() const { return rows_; }
    int count() const { return int(rows_.size()); }
    // Index of the row with this Porz, -1 when it is not in the list.
    int indexOf(int porz) const;

    Amount total() const;
    // 100, or 30 for PIT/D box 49.
    int percentage() const;
    // The value for the box: the total, or its percentage rounded half up to the grosz
    // (PIT/D box 49 at most 11 340,00).
    Amount result() const;

    // "PIT-37 - [poz. 40]"
    QString caption() const;
    QString description() const { return BoxDescription(key_.formKind, key_.box); }
    // " Suma: 1 234,56 zł", with "    Kwota odliczenia: ..." for PIT/O and PIT/D box 49.
    QString statusText() const;

    // Writing: each commits at once and re-reads the list. They return the Porz of the
    // row written (0 when the row to edit is gone).
    int insert(const QString& opis, Amount kwota);
    int update(int porz, const QString& opis, Amount kwota);
    // Deletes the row at `index`; gives the index to select afterwards: the row that
    // followed it, the one before when it was the last, -1 when the list became empty.
    int removeAt(int index);
    // The stored row of a Porz (anywhere in Kwoty.db); false when it is gone.
    bool find(int porz, TKwota& out) const;

    static QString OpenFailedMessage();

private:
    TDM* dm_;
    TKwotyKey key_;
    QVector<TKwota> rows_;
};
