#pragma once
// The complete PIT-37 printout: the three page reports filled from the model, printed,
// previewed or saved as PDF as one job.

#include "PrevPage.h"

#include <QPrinter>

#include <memory>
#include <vector>

class TFormularz;
class TPit37;

using TPrevPages = std::vector<std::unique_ptr<TPrevPage>>;

// Every PIT-37 page: left 4 mm, top 10 mm, right 10 mm, bottom 10 mm.
inline constexpr TPrevMargins kPit37Margins{40, 100, 100, 100};

// The footer of PIT-37 version 14 for the page.
TPrevItem Pit37Footer(int page);

// Every amount box of the page named "F" + number: PrintZero := GetDruk, and the value only
// when printable, so a box without content stays empty and a printable zero shows "0,00".
void FillAmounts(TPrevPage& page, const TFormularz& m);

// TPit37_1Prev, TPit37_2Prev and TPit37_3Prev filled from the model.
TPrevPages Pit37Pages(const TPit37& m);
QList<const TQRPage*> PageList(const TPrevPages& pages);

// The duplex setting (0 off; otherwise the system's code: 1 simplex, 2 long edge, 3 short edge).
QPrinter::DuplexMode DuplexModeOf(int setting);
// Prints the pages as one job with the duplex setting applied.
bool PrintComposite(QPrinter& printer, const QList<const TQRPage*>& pages);
// The complete printout of the model into a PDF file.
bool SavePit37Pdf(const TPit37& m, const QString& path);
