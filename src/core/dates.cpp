#include "core/dates.h"

#include "core/numbers.h"

#include <QLocale>

namespace ds {

namespace {

// Characters [from, from+len) of s, 1-based like the stored layout is described;
// short text gives what there is.
QString mid(const QString &s, int from, int len)
{
    return s.mid(from - 1, len);
}

// Leading decimal digits of s as a number (0 when there are none).
qint64 leadingDigits(const QString &s)
{
    qint64 v = 0;
    for (QChar c : s) {
        if (!c.isDigit() || c.unicode() > '9')
            break;
        v = v * 10 + (c.unicode() - '0');
        if (v > 99999999)
            break;
    }
    return v;
}

} // namespace

QString dateKey(int day, int month, int year)
{
    return twoDigits(day) + twoDigits(month) + QString::number(year);
}

QString dateDisplayText(int day, int month, int year)
{
    return QStringLiteral("%1/%2/%3").arg(day).arg(month).arg(year);
}

QString trimmedField(const QByteArray &dateField)
{
    // Single-byte characters; only spaces are trimmed, as stored files may pad
    // with them. Zero bytes stay (they never equal a date key).
    QByteArray f = dateField;
    while (!f.isEmpty() && f.front() == ' ')
        f.remove(0, 1);
    while (!f.isEmpty() && f.back() == ' ')
        f.chop(1);
    return QString::fromLatin1(f);
}

qint64 dateOrderKey(const QString &key)
{
    const QString t = key.trimmed();
    return leadingDigits(mid(t, 5, 4)) * 10000 + leadingDigits(mid(t, 3, 2)) * 100
        + leadingDigits(mid(t, 1, 2));
}

qint64 dateOrderKey(const QByteArray &dateField)
{
    return dateOrderKey(trimmedField(dateField));
}

QString historyDate(const QByteArray &dateField)
{
    const QString t = trimmedField(dateField);
    return mid(t, 1, 2) + QLatin1Char('-') + mid(t, 3, 2) + QLatin1Char('-') + mid(t, 5, 4);
}

QString slashDate(const QByteArray &dateField)
{
    const QString t = trimmedField(dateField);
    return mid(t, 1, 2) + QLatin1Char('/') + mid(t, 3, 2) + QLatin1Char('/') + mid(t, 5, 4);
}

QString longDateText(const QDate &date)
{
    return QLocale(QLocale::English).toString(date, QStringLiteral("dddd d MMMM yyyy"));
}

} // namespace ds
