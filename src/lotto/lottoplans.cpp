#include "lotto/lottoplans.h"

namespace ds {

SecondDrawFlip findSecondDraw(const DrawHistory &history, const QString &dateKey, int displayedNumber)
{
    SecondDrawFlip flip;
    const int n = history.count();
    const int first = history.findFirst(dateKey);
    if (first == 0 || first + 1 > n + 1 || history.record(first + 1).dateKey() != history.record(first).dateKey())
        return flip;
    flip.found = true;
    if (displayedNumber == 1) {
        flip.record = first + 1;
        flip.drawNumber = 2;
    } else {
        flip.record = first;
        flip.drawNumber = 1;
    }
    return flip;
}

int drawsOnDate(const DrawHistory &history, const QString &dateKey)
{
    const int first = history.findFirst(dateKey);
    if (first == 0)
        return 0;
    return history.findLast(dateKey) - first + 1;
}

DeletedFileKind deletedFileKind(const QString &fileName)
{
    return fileName.contains(QStringLiteral(".exe"), Qt::CaseSensitive) ? DeletedFileKind::Results
                                                                        : DeletedFileKind::Selections;
}

QString deletionQuestion(DeletedFileKind kind)
{
    return kind == DeletedFileKind::Results
        ? QStringLiteral("This is a results file. Are you sure you want to delete it?")
        : QStringLiteral("Are you sure you want to delete this lottery selection file?");
}

QDate dateOfKey(const QString &dateKey)
{
    if (dateKey.size() != 8)
        return {};
    bool okD = false, okM = false, okY = false;
    const int d = dateKey.left(2).toInt(&okD);
    const int m = dateKey.mid(2, 2).toInt(&okM);
    const int y = dateKey.mid(4, 4).toInt(&okY);
    if (!okD || !okM || !okY)
        return {};
    return QDate(y, m, d);
}

QList<QDate> storedDrawDates(const DrawHistory &history)
{
    QList<QDate> out;
    const int n = history.count();
    out.reserve(n);
    for (int r = 2; r <= n + 1; ++r) {
        const QDate d = dateOfKey(history.record(r).dateKey());
        if (d.isValid() && (out.isEmpty() || out.back() != d))
            out << d;
    }
    return out;
}

QDate latestDrawDate(const DrawHistory &history)
{
    QDate latest;
    const int n = history.count();
    for (int r = 2; r <= n + 1; ++r) {
        const QDate d = dateOfKey(history.record(r).dateKey());
        if (d.isValid() && (!latest.isValid() || d > latest))
            latest = d;
    }
    return latest;
}

} // namespace ds
