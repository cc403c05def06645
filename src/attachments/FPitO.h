#pragma once
// PIT/O: deductions from income (part B) and from tax (part C) on attachment 1, donees
// (part D) and children (part E) on every attachment. Rows of PitO.db keyed by PodatId+NrZal.

#include "Formularz.h"

#include <QDate>
#include <QString>

#include <array>
#include <map>

// A child of part E: the taxpayer's (column 5) and the spouse's (column 6) months.
struct TDziecko {
    QString Pesel, Imie, Nazwisko;
    QDate DataUr;
    bool Caly[2] = {false, false};
    std::array<bool, 12> Miesiace[2] = {};
    TFieldNote PeselNote;
};

class TPitO : public TFormularz {
public:
    TPitO();

    void Clear() override;
    // Clears, then fills from the register and the row (PodatId, NrZal) and calculates.
    // false (warning) when the taxpayer is missing; the model stays cleared.
    bool Load(int podatId, int nrZal);
    bool Save();
    void Calculate() override;
    void Verify() const override;

    int NrZal = 1;
    // Spouse column: the main declaration is filed jointly.
    bool JointMode() const { return joint_; }
    bool SpouseActive() const override { return joint_; }
    bool BoxActive(const TBoxDef& d) const override;
    // 36, 37 or 28: the main declaration this attachment goes with.
    int MainKind() const { return mainKind_; }
    QString Caption() const;

    TIdentyfikacja& Id() { return *id_; }
    const TIdentyfikacja& Id() const { return *id_; }

    // Number of children (box 34): 0..99; anything else is ignored.
    void SetLiczbaDzieci(int n);
    int LiczbaDzieci() const { return liczbaDzieci_; }
    // The child relief limit: number of children x the relief per child.
    Amount ChildReliefLimit() const;

    // Texts: 25, 39 (kinds of other reliefs), 44..51 and 54..61 (donees).
    void SetTekst(int box, const QString& text);
    QString Tekst(int box) const;

    // Children 1..5.
    TDziecko& Dziecko(int n) { return dzieci_[n - 1]; }
    const TDziecko& Dziecko(int n) const { return dzieci_[n - 1]; }
    void SetDzieckoPesel(int n, const QString& pesel);

    // A stored month string ("T"/"N" per month from January) and back; a string of another
    // length than twelve marks no month.
    static std::array<bool, 12> MonthsFromText(const QString& text);
    static QString MonthsToText(const std::array<bool, 12>& months);

    // Totals of attachment 1 for the main declarations: false when there is no such row.
    struct TSumy {
        Amount p28, p29, p42, p43;
    };
    static bool ReadTotals(int podatId, TSumy* out);

private:
    void verifyIdentification() const;
    void verifyDonee(int firstText, int amount) const;
    void verifyOtherRelief(int kindBox, int first, int second) const;

    bool joint_ = true;
    int mainKind_ = 37;
    int liczbaDzieci_ = 0;
    std::map<int, QString> teksty_;
    std::array<TDziecko, 5> dzieci_;
};

// Rehabilitation expenses of one person (OdlRehab.db): the amounts as typed and the
// deductible total that goes to PIT/O box 17 or 18.
class TOdlRehab {
public:
    static constexpr int kMonths = 12;
    static constexpr int kAmounts = 18;

    // P1..P12 medicines by month, P13..P15 limited items, P16..P18 further expenses.
    std::array<Amount, kAmounts> P{};
    QString Ed[3];

    bool Load(int podatId, const QString& rodz);
    void Save(int podatId, const QString& rodz) const;
    // The deductible part of item 1..18.
    Amount Deductible(int item) const;
    Amount Total() const;
};
