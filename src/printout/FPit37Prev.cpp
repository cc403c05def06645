#include "FPit37Prev.h"

#include "Config.h"
#include "FPit37.h"
#include "FPit37_1Prev.h"
#include "FPit37_2Prev.h"
#include "FPit37_3Prev.h"

#include <QRegularExpression>

TPrevItem Pit37Footer(int page)
{
    return {TPrev::Footer, 158, 270, 38, 6, QStringLiteral("Stopka"), QStringLiteral("14"), 10, pfNone, page, fmPit37};
}

void FillAmounts(TPrevPage& page, const TFormularz& m)
{
    static const QRegularExpression boxName(QStringLiteral("^F(\\d+)$"));
    for (TQRCustomPit* c : page.components()) {
        auto* b = qobject_cast<TQRCurrBox*>(c);
        if (!b) continue;
        const QRegularExpressionMatch match = boxName.match(b->objectName());
        if (!match.hasMatch()) continue;
        const int box = match.captured(1).toInt();
        const TBoxDef* def = m.BoxDef(box);
        if (!def) continue;
        const bool druk = m.GetDruk(box);
        page.SetAmount(b->objectName(), druk ? m.GetPole(box) : Amount(), druk, def->show == BoxShow::Whole);
    }
}

TPrevPages Pit37Pages(const TPit37& m)
{
    TPrevPages pages;
    auto p1 = std::make_unique<TPit37_1Prev>();
    p1->ReportBeforePrint(m);
    pages.push_back(std::move(p1));
    auto p2 = std::make_unique<TPit37_2Prev>();
    p2->ReportBeforePrint(m);
    pages.push_back(std::move(p2));
    auto p3 = std::make_unique<TPit37_3Prev>();
    p3->ReportBeforePrint(m);
    pages.push_back(std::move(p3));
    return pages;
}

QList<const TQRPage*> PageList(const TPrevPages& pages)
{
    QList<const TQRPage*> out;
    for (const auto& p : pages) out << p.get();
    return out;
}

QPrinter::DuplexMode DuplexModeOf(int setting)
{
    switch (setting) {
    case 2: return QPrinter::DuplexLongSide;
    case 3: return QPrinter::DuplexShortSide;
    default: return QPrinter::DuplexNone;   // 0 off, 1 simplex, anything unknown one-sided
    }
}

bool PrintComposite(QPrinter& printer, const QList<const TQRPage*>& pages)
{
    printer.setFullPage(true);
    printer.setDuplex(DuplexModeOf(RunSettings().duplex));
    return PrintPages(printer, pages);
}

bool SavePit37Pdf(const TPit37& m, const QString& path)
{
    const TPrevPages pages = Pit37Pages(m);
    return PrintPagesToPdf(path, PageList(pages));
}
