#pragma once
// PIT-37, page 2 of the complete printout: income of the taxpayer and the spouse (C), deductions from
// income (D) and the tax on the base (E).

#include "PrevPage.h"

class TPit37;

class TPit37_2Prev : public TPrevPage {
    Q_OBJECT
public:
    explicit TPit37_2Prev(QObject* parent = nullptr);
    static const TPrevItems& Items();
    // Fills the page from the model and the print settings.
    void ReportBeforePrint(const TPit37& m);
};
