#include "core/printersettings.h"

#include "core/numbers.h"
#include "core/recordfile.h"

#include <algorithm>
#include <limits>

namespace ds {

OffsetsRead readPrinterOffsets(const QString &path)
{
    RecordFile file(PrinterSettingsRecordSize);
    OffsetsRead out;
    if (!file.load(path)) {
        out.ok = false;
        return out;
    }
    const QByteArray r = file.record(1);
    out.offsets.left = getI16(r, 0);
    out.offsets.top = getI16(r, 2);
    return out;
}

bool writePrinterOffsets(const QString &path, qint16 left, qint16 top)
{
    RecordFile file(PrinterSettingsRecordSize);
    if (!file.load(path))
        return false;
    QByteArray r(PrinterSettingsRecordSize, '\0');
    putI16(r, 0, left);
    putI16(r, 2, top);
    file.setRecord(1, r);
    return file.save(path);
}

QString offsetText(qint32 value)
{
    const QString digits = QString::number(value);
    return value < 0 ? digits : QLatin1Char(' ') + digits;
}

qint32 offsetBoxValue(const QString &text)
{
    const qint64 v = readBoxNumber(text);
    return static_cast<qint32>(std::clamp<qint64>(v, std::numeric_limits<qint16>::min(),
                                                  std::numeric_limits<qint16>::max()));
}

} // namespace ds
