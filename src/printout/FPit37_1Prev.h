#pragma once
// PIT-37, page 1 of the complete printout: header with the NIPs and the year, the filing
// method, the office and purpose (A), the taxpayer and the spouse (B).

#include "PrevPage.h"

class TPit37;

class TPit37_1Prev : public TPrevPage {
    Q_OBJECT
public:
    explicit TPit37_1Prev(QObject* parent = nullptr);
    static const TPrevItems& Items();
    // Fills the page from the model and the print settings.
    void ReportBeforePrint(const TPit37& m);
};
