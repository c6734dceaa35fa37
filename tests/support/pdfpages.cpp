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

} // namespace

int pdfPageCount(const QString &path)
{
    const std::optional<QByteArray> out = run(QStringLiteral("pdfinfo"), {path});
    if (!out)
        return -1;
    const auto m = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
                       .match(QString::fromLatin1(*out));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QSizeF pdfPageSize(const QString &path)
{
    const std::optional<QByteArray> out = run(QStringLiteral("pdfinfo"), {path});
    if (!out)
        return {};
    const auto m = QRegularExpression(QStringLiteral("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"),
                                      QRegularExpression::MultilineOption)
                       .match(QString::fromLatin1(*out));
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
