#include "FPodglad.h"

#include "FPit37.h"
#include "Messages.h"

#include <QAction>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>

TPodgladFrm::TPodgladFrm(TPrevPages pages, const QString& title, QWidget* parent)
    : QPrintPreviewDialog(parent), pages_(std::move(pages))
{
    setWindowTitle(title);
    printer()->setFullPage(true);
    printer()->setDocName(title);
    connect(this, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* p) { PrintComposite(*p, PageList(pages_)); });
    view_ = findChild<QPrintPreviewWidget*>();
    if (view_) {
        view_->setZoomMode(QPrintPreviewWidget::CustomZoom);
        view_->setZoomFactor(1.2);
    }
    if (auto* bar = findChild<QToolBar*>()) {
        bar->addSeparator();
        QAction* pdf = bar->addAction(QStringLiteral("Zapisz PDF"));
        pdf->setObjectName(QStringLiteral("ZapiszPdf"));
        pdf->setToolTip(QStringLiteral("Zapisz wydruk w pliku PDF"));
        connect(pdf, &QAction::triggered, this, &TPodgladFrm::askAndSavePdf);
    }
    setWindowState(windowState() | Qt::WindowMaximized);
}

TPodgladFrm::~TPodgladFrm() = default;

bool TPodgladFrm::SavePdf(const QString& path) const { return PrintPagesToPdf(path, PageList(pages_)); }

void TPodgladFrm::askAndSavePdf()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Zapisz PDF"), windowTitle() + QStringLiteral(".pdf"),
                                                      QStringLiteral("Pliki PDF (*.pdf)"));
    if (path.isEmpty()) return;
    if (!SavePdf(path)) ShowError(QStringLiteral("Nie można zapisać pliku ") + path);
}

bool PodgladPit37(int podatId, QWidget* parent)
{
    TPit37 m;
    if (!m.Load(podatId)) return false;
    TPodgladFrm frm(Pit37Pages(m), QStringLiteral("PIT-37"), parent);
    frm.exec();
    return true;
}

bool WydrukPit37(int podatId, QWidget* parent)
{
    TPit37 m;
    if (!m.Load(podatId)) return false;
    const TPrevPages pages = Pit37Pages(m);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("PIT-37"));
    QPrintDialog dlg(&printer, parent);
    if (dlg.exec() != QDialog::Accepted) return false;
    return PrintComposite(printer, PageList(pages));
}

bool ZapiszPit37Pdf(int podatId, const QString& path)
{
    TPit37 m;
    if (!m.Load(podatId)) return false;
    return SavePit37Pdf(m, path);
}
