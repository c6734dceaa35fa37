#include "core/numbers.h"

#include <cmath>

namespace ds {

double leadingValue(const QString &text)
{
    const QString t = text.trimmed();
    int i = 0;
    const int n = static_cast<int>(t.size());
    bool negative = false;
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
        negative = t[i] == QLatin1Char('-');
        ++i;
    }
    double value = 0.0;
    bool any = false;
    while (i < n && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9')) {
        value = value * 10.0 + (t[i].unicode() - '0');
        any = true;
        ++i;
    }
    if (i < n && t[i] == QLatin1Char('.')) {
        ++i;
        double scale = 0.1;
        while (i < n && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9')) {
            value += (t[i].unicode() - '0') * scale;
            scale /= 10.0;
            any = true;
            ++i;
        }
    }
    if (!any || !std::isfinite(value))
        return any ? (negative ? -1e18 : 1e18) : 0.0;
    return negative ? -value : value;
}

qint64 roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    constexpr double limit = 1e15;
    if (value > limit)
        return static_cast<qint64>(limit);
    if (value < -limit)
        return -static_cast<qint64>(limit);
    return static_cast<qint64>(std::nearbyint(value)); // default rounding mode: to even
}

qint64 readBoxNumber(const QString &text)
{
    return roundHalfEven(leadingValue(text));
}

QString twoDigits(int n)
{
    return n >= 0 && n < 10 ? QStringLiteral("0") + QString::number(n) : QString::number(n);
}

QString ballCaption(int n)
{
    return n >= 0 && n < 10 ? QStringLiteral(" ") + QString::number(n) : QString::number(n);
}

} // namespace ds
