#include "thunderball/thunderinput.h"

#include "core/games.h"
#include "core/numbers.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>

namespace ds::thunder {

QString noRoomMessage(int room)
{
    return QStringLiteral("There is room for only %1 more entries for this date.").arg(room);
}

NumbersCheck readThunderNumbers(const std::array<QString, 6> &boxes, const Era &era)
{
    std::array<qint64, 6> v{};
    for (size_t i = 0; i < v.size(); ++i)
        v[i] = readBoxNumber(boxes[i]);

    NumbersCheck check;
    for (int i = 0; i < 6; ++i) {
        const qint64 limit = i < 5 ? era.mainLimit : era.extraLimit;
        if (v[static_cast<size_t>(i)] < 1 || v[static_cast<size_t>(i)] > limit) {
            check.firstBadBox = i;
            return check;
        }
    }
    for (int i = 1; i < 5; ++i)
        for (int j = 0; j < i; ++j)
            if (v[static_cast<size_t>(i)] == v[static_cast<size_t>(j)]) {
                check.firstBadBox = i;
                return check;
            }

    ThunderNumbers n;
    for (size_t i = 0; i < 5; ++i)
        n.main[i] = static_cast<qint16>(v[i]);
    std::sort(n.main.begin(), n.main.end());
    n.thunderball = static_cast<qint16>(v[5]);
    check.numbers = n;
    return check;
}

namespace {

// The days results may be stored on from the date on.
quint8 resultDaysOn(const Era &era, const QDate &date)
{
    return era.resultDays != 0 ? era.resultDays : era.drawDaysOn(ymdOf(date));
}

} // namespace

bool isResultDay(const Era &era, const QDate &date)
{
    if (!date.isValid())
        return false;
    return !era.resultDayRule || (resultDaysOn(era, date) & (1 << date.dayOfWeek())) != 0;
}

bool isResultDay(int day, int month, int year)
{
    return isResultDay(eraOn(Game::Thunderball, ymd(year, month, day)), QDate(year, month, day));
}

QString resultDayRefusal(const Era &era, const QDate &date)
{
    if (era.resultDayRefusal)
        return QString::fromLatin1(era.resultDayRefusal);
    QStringList days;
    const quint8 mask = resultDaysOn(era, date);
    for (int d = Qt::Monday; d <= Qt::Sunday; ++d)
        if (mask & (1 << d))
            days << QLocale::c().standaloneDayName(d);
    return QStringLiteral("You must select a draw day on the calendar: ") + days.join(QStringLiteral(", "));
}

namespace {

// The refusal of a date that is not a result day of its era, if it is not.
Refusal refuseDay(int day, int month, int year)
{
    if (isResultDay(day, month, year))
        return std::nullopt;
    return resultDayRefusal(eraOn(Game::Thunderball, ymd(year, month, day)), QDate(year, month, day));
}

} // namespace

Refusal refuseResultAdd(int day, int month, int year, bool resultShown)
{
    if (const Refusal r = refuseDay(day, month, year))
        return r;
    if (day < 1 || day > 31)
        return QString::fromLatin1(MsgSelectDateAbove);
    if (resultShown)
        return QString::fromLatin1(MsgResultExists);
    return std::nullopt;
}

Refusal refuseResultDelete(bool resultShown)
{
    if (!resultShown)
        return QString::fromLatin1(MsgNoEntryToDelete);
    return std::nullopt;
}

Refusal refuseMaintain(int day, int month, int year)
{
    if (const Refusal r = refuseDay(day, month, year))
        return r;
    if (day < 1 || day > 31)
        return QString::fromLatin1(MsgFirstSelectDate);
    return std::nullopt;
}

Refusal refuseWeeksChange(int day)
{
    if (day < 1 || day > 31)
        return QString::fromLatin1(MsgSelectDateFirst);
    return std::nullopt;
}

Refusal refuseEntryDelete(int selectedRow)
{
    if (selectedRow < 0)
        return QString::fromLatin1(MsgNoEntrySelected);
    return std::nullopt;
}

AutoAddPlan planAutoAdd(qint64 value, int entryCount)
{
    AutoAddPlan plan;
    if (!fitsInt16(value)) {
        plan.refusal = QString::fromLatin1(MsgInvalidNumbers);
        return plan;
    }
    if (value <= 0)
        return plan;
    const int room = MaxRecordCount - qBound(0, entryCount, MaxRecordCount);
    if (value > room) {
        plan.refusal = room == 0 ? QString::fromLatin1(MsgEntriesFull) : noRoomMessage(room);
        return plan;
    }
    plan.count = static_cast<int>(value);
    plan.busy = value > 50;
    return plan;
}

ThunderResult resultOf(const QDate &date, const ThunderNumbers &n)
{
    ThunderResult r;
    r.day = static_cast<qint16>(date.day());
    r.month = static_cast<qint16>(date.month());
    r.year = static_cast<qint16>(date.year());
    r.main = n.main;
    r.thunderball = n.thunderball;
    return r;
}

std::array<QString, 6> resultLabels(const std::optional<ThunderResult> &r)
{
    std::array<QString, 6> labels;
    if (!r)
        return labels;
    for (size_t i = 0; i < 5; ++i)
        labels[i] = ballCaption(r->main[i]);
    labels[5] = ballCaption(r->thunderball);
    return labels;
}

} // namespace ds::thunder
