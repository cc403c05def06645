#pragma once
// PIT-37, page 3 of the complete printout: deductions from the tax and the tax due (F, G), the 1% for an
// organisation of public benefit (H), supplementary information, attachments, PIT/D,
// signatures and the office's notes.

#include "PrevPage.h"

class TPit37;

class TPit37_3Prev : public TPrevPage {
    Q_OBJECT
public:
    explicit TPit37_3Prev(QObject* parent = nullptr);
    static const TPrevItems& Items();
    // Fills the page from the model and the print settings.
    void ReportBeforePrint(const TPit37& m);
};
