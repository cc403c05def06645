#pragma once
// NIP-3: identification or update form of a person who runs no business (boxes 1-68).

#include "FNipForm.h"

class TNip3 : public TNipForm {
public:
    TNip3();

    int FormKind() const override { return fkNip3; }
    void Verify() override;

    // Entity passing the form on, from the office data: NIP digits (67) and name (68).
    void WstawPodmiot(const TBiuro& biuro);

protected:
    const TLayout& layout() const override;
    QVector<TAccount> accounts() const override;
    void applyDefaults() override;
    void updateNotes() override;

private:
    void verifyNameAgainstSex(int box);
};
