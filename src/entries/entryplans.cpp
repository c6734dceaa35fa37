#include "entries/entryplans.h"

#include "core/games.h"
#include "core/numbers.h"
#include "entries/suggest.h"
#include "core/drawentry.h"

#include <algorithm>

namespace ds {

ManualEntry readManualEntry(const std::array<QString, 6> &boxes, int maxBall, int entryCount)
{
    ManualEntry out;
    if (entryCount >= MaxEntries) {
        out.refusal = QString::fromLatin1(suggest::MsgMaximumEntries);
        return out;
    }
    std::array<double, 6> typed{};
    for (size_t k = 0; k < 6; ++k) {
        typed[k] = leadingValue(boxes[k]);
        if (typed[k] < 1 || typed[k] > maxBall) {
            out.refusal = InvalidNumbersMessage;
            out.faultBox = static_cast<int>(k);
            return out;
        }
    }
    // Repeats are refused as typed and as rounded, so that 4.5 and 4 can
    // never both be stored as 4.
    for (size_t a = 0; a < 6; ++a) {
        for (size_t b = a + 1; b < 6; ++b) {
            if (typed[a] == typed[b] || roundHalfEven(typed[a]) == roundHalfEven(typed[b])) {
                out.refusal = SameNumbersMessage;
                out.faultBox = static_cast<int>(b);
                return out;
            }
        }
    }
    for (size_t k = 0; k < 6; ++k)
        out.numbers[k] = static_cast<qint16>(roundHalfEven(typed[k]));
    std::sort(out.numbers.begin(), out.numbers.end());
    return out;
}

QString duplicateEntryQuestion(std::span<const Entry> existing, const Numbers6 &numbers)
{
    const bool duplicate = std::any_of(existing.begin(), existing.end(),
                                       [&](const Entry &e) { return sameEntry(e.n, numbers); });
    return duplicate ? QStringLiteral("You already have this entry in your list are you sure you want to add it again")
                     : QString();
}

QString checkRefusal(bool drawOnDisplay, const QString &totalText)
{
    if (!drawOnDisplay || totalText == QLatin1String("0") || totalText.isEmpty())
        return QStringLiteral("There are no entries to check against!");
    return {};
}

QString standingSaveRefusal(const QString &totalText, const QString &dateText, const QString &countryCode,
                            const QString &currentEntryFile)
{
    if (totalText == QLatin1String("0") || totalText.isEmpty() || dateText.isEmpty())
        return QStringLiteral("You do not have any selections to make as your standing entry");
    if (countryCode.isEmpty())
        return QStringLiteral("You must select a Country first");
    if (currentEntryFile.isEmpty())
        return QStringLiteral("No file selected Drawsmith Error 10");
    return {};
}

QString deleteEntryRefusal(int entryCount, int selectedRow)
{
    if (entryCount == 0)
        return QStringLiteral("There are no entries to delete");
    if (selectedRow < 0 || selectedRow >= entryCount)
        return QStringLiteral("You have not selected an entry to delete");
    return {};
}

} // namespace ds
