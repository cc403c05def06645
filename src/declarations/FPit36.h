#pragma once
// PIT-36: the scale-tax return with business, agricultural, rental and foreign income, minor
// children, lost deductions and flat-rate settlements; taxpayer and spouse columns.
//
// Spouse amounts stay stored whatever the filing method, but count, show and are checked only
// under joint filing.

#include "Deklaracja.h"

#include <QStringList>

#include <array>

class TPit36 : public TDeklaracja {
public:
    TPit36();

    void Clear() override;
    void Calculate() override;
    void Verify() const override;
    bool HasOpp() const override;

    // The office is found by its name in any letter case.
    int GetUrzadId() const override;

    // Filing method square of box 6 (codes 0..3; one is always set).
    void SetSposob(int code);

    // Attachments (taxpayer + spouse where both may file one).
    bool HasPitD() const { return pitD_; }
    bool HasPitZ(int side) const { return pitZ_[side]; }
    bool HasPitZG(int side) const { return pitZG_[side] > 0; }
    bool HasPitM(int side) const { return pitM_[side]; }
    // Boxes 147, 150 and 182 are typed only without PIT/D and when filing individually.
    bool MayTypePitDBoxes() const { return !pitD_ && GetSposob() == 0; }
    // Whether a typed income box also carries PIT/ZG income (the box shows typed + foreign).
    bool CarriesForeignIncome(int box) const;
    // The foreign part inside such a box.
    Amount ForeignPart(int box) const;

    // The editor's caps of boxes 139 and 140.
    Amount Limit139() const { return PositivePart(p(86) + p(131), p(135) + p(137)); }
    Amount Limit140() const { return PositivePart(p(129) + p(132), p(136) + p(138)); }

    // Lost deductions of a side (box 155 taxpayer, 156 spouse); the dialog writes the record.
    void SetUtrataGosp(int box, Amount a) { setUtrata(box, 0, a); }
    void SetUtrataRol(int box, Amount a) { setUtrata(box, 1, a); }
    Amount UtrataGosp(int box) const { return utrata_[box == 156 ? 1 : 0][0]; }
    Amount UtrataRol(int box) const { return utrata_[box == 156 ? 1 : 0][1]; }

    // Years of boxes 43 and 44: 0 or after 2000.
    void SetRok(int box, int year);
    int Rok(int box) const { return rok_[box == 44 ? 1 : 0]; }
    // Counts of boxes 320 to 322: below 100.
    void SetLiczba(int box, int count);
    int Liczba(int box) const { return box >= 320 && box <= 322 ? liczba_[box - 320] : 0; }

    // Art. 29 ust. 4 squares; the spouse's counts only under joint filing.
    bool P7 = false;
    bool GetP8() const { return IsJoint() && p8_; }
    void SetP8(bool flag) { p8_ = flag; }
    // Section C squares 39..42 of a side (0 taxpayer, 1 spouse "a").
    void SetKwadrat(int box, int side, bool flag);
    bool GetKwadrat(int box, int side) const;

    // Exclusive squares of 323 (1..2) and 324 (1..3).
    void SetPit323(int square, bool flag);
    void SetPit324(int square, bool flag);
    bool GetPit323(int square) const { return square >= 1 && square <= 2 && p323_[square - 1]; }
    bool GetPit324(int square) const { return square >= 1 && square <= 3 && p324_[square - 1]; }

    QString Straty;
    QStringList P308, P325;
    QString P309;
    bool P310 = false;

protected:
    bool AcceptField(int box, Amount& value) override;
    bool DrukCustom(int box) const override;
    const char* GetPoleName() const override { return "GetField"; }
    bool LoadsBox(int box) const override;
    bool SavesBox(int box) const override;
    void LoadCounts(const TTable* podatnik) override;
    void LoadAttachments() override;
    void LoadRow(const TTable* row) override;
    void SaveRow(TTable* row) const override;

private:
    bool filled(int box) const { return !GetPole(box).isZero() || !GetEmpty(box); }
    bool rowInUse(int side) const;
    void loadBusinessRow(int side);
    void lostDeductions(int side);
    void setUtrata(int box, int part, Amount a);
    Amount foreignIncomeTotal(int side) const;

    bool p8_ = false;
    bool kwadrat_[4][2] = {};
    int rok_[2] = {0, 0};
    int liczba_[3] = {0, 0, 0};
    bool p323_[2] = {false, false};
    bool p324_[3] = {false, false, false};

    // Attachment counts and flags (spouse's only under joint filing where the form says so).
    int pitB_[2] = {0, 0};
    bool pitD_ = false, pit2K_ = false;
    bool pitM_[2] = {false, false}, pitZ_[2] = {false, false}, sser_[2] = {false, false};
    int pitO_ = 0;
    int pitZG_[2] = {0, 0};
    bool nip1_[2] = {false, false}, nip3_[2] = {false, false};

    // Sources read at Load: foreign pairs of rows 1, 3, 5, 6, 7, 8 per side, tax paid abroad,
    // lost deductions (business, agricultural) per side.
    std::array<std::array<Amount, 6>, 2> fIncome_{}, fCosts_{};
    Amount paidAbroad_[2];
    Amount utrata_[2][2];
};
