#pragma once
// Reads back what a PDF printout holds: the words with their boxes in millimetres
// from the sheet's top-left corner (pdftotext -bbox), and the document title.

#include <QString>
#include <QVector>

struct TPdfWord {
    QString text;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;   // mm
};

// Words of every page of the file, in reading order; page numbers from 1.
struct TPdfPage {
    double width = 0, height = 0;   // mm
    QVector<TPdfWord> words;
};
QVector<TPdfPage> PdfPages(const QString& file);
// Words of page 1.
QVector<TPdfWord> PdfWords(const QString& file);
// Words equal to `text`.
QVector<TPdfWord> PdfFind(const QVector<TPdfWord>& words, const QString& text);
// The document title (pdfinfo).
QString PdfTitle(const QString& file);
// Renders page 1 to /tmp/shots/<name>.png (name may hold a subfolder) for looking at it.
void PdfShot(const QString& file, const QString& name, int dpi = 100);

// Device pixels at `dpi` to millimetres.
inline double PxToMm(int px, int dpi) { return px * 25.4 / dpi; }
