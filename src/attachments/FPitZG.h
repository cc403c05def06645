#pragma once
// PIT/ZG: foreign income and the tax paid abroad, one attachment per country and person.
// The income boxes are revenue - costs of a foreign-income record (Zagranica.db, written by
// the foreign-income dialog); the tax boxes are typed. Which section counts depends on the
// main declaration: C.1 (9..29) with PIT-36, C.2 (30, 31) with PIT-36L, C.3 (32, 33) with PIT-38.

#include "Zalacznik.h"

#include <map>

class TPitZG : public TZalacznik {
public:
    TPitZG();

    // Main declaration kinds of the sections.
    enum TRodzaj { rzPit36 = 0, rzPit36L = 1, rzPit38 = 3 };

    void Clear() override;
    void Calculate() override;
    void Verify() const override;

    int Rodzaj() const { return rodzaj_; }
    // The person's number of PIT/ZG attachments.
    int LiczbaZal() const { return liczba_; }
    QString Caption() const;

    // Box 7: the country where the income was earned.
    QString Kraj;

    // The boxes fed by a foreign-income record.
    static bool IsForeignBox(int box);
    // Revenue and costs behind a foreign-income box: negative or unchanged values are ignored,
    // an accepted one recalculates. Another box gets the undefined-box warning.
    void SetPrzychod(int box, Amount value);
    void SetKoszty(int box, Amount value);
    Amount Przychod(int box) const;
    Amount Koszty(int box) const;

    // Whether a box belongs to the section of the main declaration; the editor shows
    // SectionMessage for a box that does not.
    bool SectionAvailable(int box) const;
    static QString SectionMessage(int box);

protected:
    void LoadCounts(const TTable* podatnik) override;
    bool LoadsBox(int box) const override;
    void LoadRow(const TTable* row) override;
    void LoadRecords() override;
    void SaveRow(TTable* row) const override;
    bool DrukCustom(int box) const override;

private:
    int sectionOf(int box) const;
    void setForeign(std::map<int, Amount>& m, const char* op, int box, Amount value);

    int rodzaj_ = rzPit36;
    int liczba_ = 0;
    std::map<int, Amount> przychod_, koszty_;
};
