// The number readers of the boxes: the leading value, the rounding, and the
// draw and entry boxes read whole.
#include "core/drawentry.h"
#include "core/numbers.h"
#include "fuzzsupport.h"

#include <cmath>

using namespace ds;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const int maxBall = 1 + in.byte() % 60;
    const QString text = QString::fromUtf8(in.rest());
    const QStringList boxes = text.split(QLatin1Char('|'));

    for (const QString &box : boxes) {
        const double v = leadingValue(box);
        const qint64 n = readBoxNumber(box);
        FUZZ_CHECK(n == roundHalfEven(v));
        if (std::isfinite(v) && std::fabs(v) < 1e15)
            FUZZ_CHECK(std::fabs(double(n) - v) <= 0.5);
        if (fitsInt16(n)) {
            twoDigits(int(n));
            ballCaption(int(n));
        }
    }

    const DrawEntry draw = readDrawEntry(boxes, maxBall);
    if (draw.ok()) {
        for (size_t k = 0; k < 6; ++k) {
            FUZZ_CHECK(draw.main[k] >= 1 && draw.main[k] <= maxBall);
            FUZZ_CHECK(k == 0 || draw.main[k - 1] < draw.main[k]);
            FUZZ_CHECK(draw.main[k] != draw.bonus);
        }
        FUZZ_CHECK(draw.bonus >= 1 && draw.bonus <= maxBall);
    } else {
        FUZZ_CHECK(draw.refusal == InvalidNumbersMessage || draw.refusal == SameNumbersMessage);
    }

    const EntryNumbers entry = readEntryNumbers(boxes, maxBall);
    if (entry.ok()) {
        for (size_t k = 0; k < 6; ++k) {
            FUZZ_CHECK(entry.numbers[k] >= 1 && entry.numbers[k] <= maxBall);
            FUZZ_CHECK(k == 0 || entry.numbers[k - 1] < entry.numbers[k]);
        }
    } else {
        FUZZ_CHECK(entry.refusal == InvalidNumbersMessage || entry.refusal == SameNumbersMessage);
    }
    return 0;
}
