#include "support/pdfpages.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <optional>

namespace dstest {

namespace {

// The standard output of a program run to a clean exit.
std::optional<QByteArray> run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return std::nullopt;
    return p.readAllStandardOutput();
}

// A line of poppler's pdfinfo report on a PDF file; no match when it cannot be read.
QRegularExpressionMatch pdfInfo(const QString &path, const QString &line)
{
    const std::optional<QByteArray> out = run(QStringLiteral("pdfinfo"), {path});
    const QString report = out ? QString::fromLatin1(*out) : QString();
    return QRegularExpression(line, QRegularExpression::MultilineOption).match(report);
}

} // namespace

int pdfPageCount(const QString &path)
{
    const auto m = pdfInfo(path, QStringLiteral("^Pages:\\s+(\\d+)"));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QSizeF pdfPageSize(const QString &path)
{
    const auto m = pdfInfo(path, QStringLiteral("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

QImage renderPdfPage(const QString &path, int page, int dpi)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    if (!run(QStringLiteral("pdftoppm"), {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi),
                                          QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                          QString::number(page), QStringLiteral("-singlefile"), path, prefix}))
        return {};
    return QImage(prefix + QStringLiteral(".pgm"));
}

} // namespace dstest
