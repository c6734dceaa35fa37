#include "core/drawentry.h"

#include "core/numbers.h"

#include <algorithm>
#include <array>

namespace ds {

DrawEntry readDrawEntry(const QStringList &sevenBoxes, int maxBall)
{
    DrawEntry e;
    std::array<qint64, 7> v{};
    for (size_t k = 0; k < 7; ++k)
        v[k] = readBoxNumber(sevenBoxes.value(static_cast<qsizetype>(k)));
    // A value too large for 16 bits is out of range like any other.
    for (qint64 n : v) {
        if (n < 1 || n > maxBall) {
            e.refusal = InvalidNumbersMessage;
            return e;
        }
    }
    for (size_t a = 0; a < 7; ++a)
        for (size_t b = a + 1; b < 7; ++b)
            if (v[a] == v[b]) {
                e.refusal = SameNumbersMessage;
                return e;
            }
    for (size_t k = 0; k < 6; ++k)
        e.main[k] = static_cast<qint16>(v[k]);
    std::sort(e.main.begin(), e.main.end());
    e.bonus = static_cast<qint16>(v[6]);
    return e;
}

DrawEntry readDrawEntry(const QStringList &sevenBoxes, const Era &era)
{
    DrawEntry e = readDrawEntry(sevenBoxes, era.mainLimit);
    if (e.refusal == InvalidNumbersMessage)
        e.informative = eraNumbersText(era);
    return e;
}

EntryNumbers readEntryNumbers(const QStringList &sixBoxes, int maxBall)
{
    EntryNumbers e;
    std::array<double, 6> typed{};
    for (size_t k = 0; k < 6; ++k)
        typed[k] = leadingValue(sixBoxes.value(static_cast<qsizetype>(k)));
    for (size_t k = 0; k < 6; ++k) {
        if (typed[k] < 1 || typed[k] > maxBall) {
            e.refusal = InvalidNumbersMessage;
            e.faultBox = static_cast<int>(k);
            return e;
        }
    }
    for (size_t k = 0; k < 6; ++k)
        e.numbers[k] = static_cast<qint16>(roundHalfEven(typed[k]));
    for (size_t a = 0; a < 6; ++a) {
        for (size_t b = a + 1; b < 6; ++b) {
            if (typed[a] == typed[b] || e.numbers[a] == e.numbers[b]) {
                e.refusal = SameNumbersMessage;
                e.faultBox = static_cast<int>(b);
                return e;
            }
        }
    }
    std::sort(e.numbers.begin(), e.numbers.end());
    return e;
}

} // namespace ds
