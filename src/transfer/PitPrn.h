#pragma once
// The printing object of the bank transfer form: a simpler cousin of the overprint engine
// (TPrn). Positions are millimetres from the sheet's corner, converted by truncation, with
// the printer's unprintable offset subtracted; the caller opens and closes the document.

#include <QString>

#include <memory>

class QPainter;
class QPrinter;

class TPitPrn {
public:
    explicit TPitPrn(QPrinter* printer);
    virtual ~TPitPrn();   // ends an open document
    TPitPrn(const TPitPrn&) = delete;
    TPitPrn& operator=(const TPitPrn&) = delete;

    // Starts the printer document and reads the resolutions and the unprintable offset.
    // Throws TPrintError when the printer cannot start.
    void BeginDoc();
    // Ends the document; nothing when none is open.
    void EndDoc();
    bool IsOpen() const { return open_; }

    // trunc(resolution * mm / 25.4)
    int MmToX(float mm) const;
    int MmToY(float mm) const;

    // Text with its top-left corner at (x, y) mm; nothing when either is negative.
    void Text(float yMm, float xMm, const QString& text);
    void Cross(float yMm, float xMm) { Text(yMm, xMm, QStringLiteral("X")); }

    QPainter* painter() const { return painter_.get(); }
    QPrinter* printer() const { return printer_; }

private:
    QPrinter* printer_;
    std::unique_ptr<QPainter> painter_;
    bool open_ = false;
    int dpiX_ = 0, dpiY_ = 0;
    int offX_ = 0, offY_ = 0;
};

class TPrnExt : public TPitPrn {
public:
    using TPitPrn::TPitPrn;
    // Character k of the text at x + k * 4.98 mm: the single-character cells of the form.
    void Cells(const QString& text, float yMm, float xMm);
};
