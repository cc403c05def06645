#pragma once
// NIP-1: identification or update form of a person who runs a business (boxes 1-129).

#include "FNipForm.h"

class TNip1 : public TNipForm {
public:
    TNip1();

    int FormKind() const override { return fkNip1; }
    void Verify() override;

    // Accounting office from the office data: NIP digits (80) and full name (81).
    void WstawBiuro(const TBiuro& biuro);
    // Address where the records are kept (82-91) from the office's address.
    void WstawAdresBiura(const TBiuro& biuro);

protected:
    const TLayout& layout() const override;
    QVector<TAccount> accounts() const override;
};
