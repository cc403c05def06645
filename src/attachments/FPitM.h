#pragma once
// PIT/M: the income of minor children taxed together with a parent's income, per person.
// Box 29 says whether the right to the income belongs to both parents (boxes 30 and 31 take
// half of the totals) or to one.

#include "Zalacznik.h"

class TPitM : public TZalacznik {
public:
    TPitM();

    void Clear() override;
    void Calculate() override;
    void Verify() const override;

    QString Caption() const;

    // Box 29, exclusive squares: 1 "obojgu rodzicom", 2 "tylko jednemu z rodziców".
    void SetP29(int square, bool flag);
    bool GetP29(int square) const { return square == 2 ? p29_[1] : p29_[0]; }

protected:
    bool DrukCustom(int box) const override;
    void LoadRow(const TTable* row) override;
    void SaveRow(TTable* row) const override;
    // Other box numbers are ignored by SetField without a word.
    void warnUndefined(const char* op, int box) const override;

private:
    bool p29_[2] = {true, false};
};
