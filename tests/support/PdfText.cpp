#include "PdfText.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace {

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

constexpr double kPtToMm = 25.4 / 72.0;

QString unescape(QString s)
{
    s.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    s.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    s.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    s.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    s.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return s;
}

}  // namespace

QVector<TPdfPage> PdfPages(const QString& file)
{
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    static const QRegularExpression pageRe(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression wordRe(QStringLiteral(
        R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re"));
    QVector<TPdfPage> pages;
    for (const QString& line : html.split(u'\n')) {
        if (auto m = pageRe.match(line); m.hasMatch()) {
            pages.append(TPdfPage{m.captured(1).toDouble() * kPtToMm, m.captured(2).toDouble() * kPtToMm, {}});
        } else if (auto w = wordRe.match(line); w.hasMatch() && !pages.isEmpty()) {
            pages.last().words.append(TPdfWord{unescape(w.captured(5)), w.captured(1).toDouble() * kPtToMm,
                                               w.captured(2).toDouble() * kPtToMm, w.captured(3).toDouble() * kPtToMm,
                                               w.captured(4).toDouble() * kPtToMm});
        }
    }
    return pages;
}

QVector<TPdfWord> PdfWords(const QString& file)
{
    const auto pages = PdfPages(file);
    return pages.isEmpty() ? QVector<TPdfWord>{} : pages.first().words;
}

QVector<TPdfWord> PdfFind(const QVector<TPdfWord>& words, const QString& text)
{
    QVector<TPdfWord> r;
    for (const auto& w : words)
        if (w.text == text) r << w;
    return r;
}

QString PdfTitle(const QString& file)
{
    const QString info = run(QStringLiteral("pdfinfo"), {file});
    static const QRegularExpression re(QStringLiteral(R"re(^Title:\s*(.*)$)re"), QRegularExpression::MultilineOption);
    const auto m = re.match(info);
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

void PdfShot(const QString& file, const QString& name, int dpi)
{
    const QString target = QStringLiteral("/tmp/shots/") + name;
    QDir().mkpath(QFileInfo(target).path());
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                                     QStringLiteral("-singlefile"), file, target});
}
