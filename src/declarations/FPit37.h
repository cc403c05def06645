#pragma once
// PIT-37: income through payers taxed by the scale, with a taxpayer and a spouse column.

#include "Deklaracja.h"

#include <QStringList>

class TPit37 : public TDeklaracja {
public:
    TPit37();

    void Clear() override;
    void Calculate() override;
    void Verify() const override;

    // Attachment counts (boxes 130..133) and residence certificates (134).
    bool HasPitO() const { return GetPole(130).isPositive(); }
    bool HasPitD() const { return GetPole(131).isPositive(); }
    // Boxes 101, 102 and 117 may be typed: no PIT/D and the filing is not joint.
    bool MayTypePitDBoxes() const { return !HasPitD() && !IsJoint(); }
    void SetCertyfikat(int count);
    int Certyfikat() const { return certyfikat_; }

    // The upper limit of box 101 in the editor.
    Amount PossibleDeduction101() const;

    // Art. 29 ust. 4 squares; the spouse's counts only under joint filing (kept as stored).
    bool P7 = false;
    bool GetP8() const { return IsJoint() && p8_; }
    void SetP8(bool flag) { p8_ = flag; }

    // Exclusive squares of boxes 135 (1..2) and 136 (1..3).
    void SetPit135(int square, bool flag);
    void SetPit136(int square, bool flag);
    bool GetPit135(int square) const { return square >= 1 && square <= 2 && p135_[square - 1]; }
    bool GetPit136(int square) const { return square >= 1 && square <= 3 && p136_[square - 1]; }

    QString P127, P128;
    bool P129 = false;
    QStringList P137;

protected:
    bool AcceptField(int box, Amount& value) override;
    bool DrukCustom(int box) const override;
    bool LoadsBox(int box) const override;
    bool SavesBox(int box) const override;
    void LoadCounts(const TTable* podatnik) override;
    void LoadAttachments() override;
    void LoadRow(const TTable* row) override;
    void SaveRow(TTable* row) const override;

private:
    bool p8_ = false;
    bool p135_[2] = {false, false};
    bool p136_[3] = {false, false, false};
    int certyfikat_ = 0;
};
