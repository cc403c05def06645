#pragma once
// Preview ("Podgląd"), print ("Wydruk") and PDF of the complete printout.
//
// The preview shows every page of the form in one window, from which the user prints the
// whole job or saves it as a PDF file; the print dialog of the system also offers a PDF
// file as the destination.

#include "FPit37Prev.h"

#include <QPrintPreviewDialog>

class QPrintPreviewWidget;

class TPodgladFrm : public QPrintPreviewDialog {
    Q_OBJECT
public:
    // Takes the filled pages; they are freed with the window.
    TPodgladFrm(TPrevPages pages, const QString& title, QWidget* parent = nullptr);
    ~TPodgladFrm() override;

    int PageCount() const { return int(pages_.size()); }
    QPrintPreviewWidget* PreviewWidget() const { return view_; }
    // Writes the pages into a PDF file; false when the file could not be written.
    bool SavePdf(const QString& path) const;

private:
    void askAndSavePdf();

    TPrevPages pages_;
    QPrintPreviewWidget* view_ = nullptr;
};

// The main window's commands for a PIT-37 taxpayer. Each loads the model afresh and does
// nothing more (the model's warning shown) when the taxpayer is missing.
bool PodgladPit37(int podatId, QWidget* parent);
bool WydrukPit37(int podatId, QWidget* parent);
bool ZapiszPit37Pdf(int podatId, const QString& path);
