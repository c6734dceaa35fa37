// "prnt.dat": the ticket offsets read from any bytes (missing bytes are zero),
// the offset boxes read within the 16-bit range and shown as they read back,
// and a save that changes record 1 only; a save that fails (a full disk)
// leaves the file as it was.
#include "core/printersettings.h"
#include "core/recordfile.h"
#include "fuzzsupport.h"

#include <QFileInfo>

using namespace ds;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const quint8 pick = in.byte();
    const quint8 room = in.byte();
    const quint16 split = in.u16();
    const QByteArray all = in.rest();
    const QByteArray bytes = all.left(split % (all.size() + 1));
    const QList<QByteArray> boxes = all.mid(bytes.size()).split('\n');
    const QString path = dsfuzz::scratchFile("prnt.dat");
    const bool exists = !(pick & 1);
    if (exists)
        dsfuzz::writeFile(path, bytes);
    const QByteArray held = exists ? bytes : QByteArray();

    const OffsetsRead read = readPrinterOffsets(path);
    FUZZ_CHECK(read.ok);
    QByteArray record = held.left(PrinterSettingsRecordSize);
    record.resize(PrinterSettingsRecordSize, '\0'); // missing bytes read as zero
    FUZZ_CHECK(read.offsets.left == getI16(record, 0) && read.offsets.top == getI16(record, 2));
    // What a box shows reads back as the same offset.
    FUZZ_CHECK(offsetBoxValue(offsetText(read.offsets.left)) == read.offsets.left);
    FUZZ_CHECK(offsetBoxValue(offsetText(read.offsets.top)) == read.offsets.top);

    const qint32 left = offsetBoxValue(QString::fromLatin1(boxes.value(0)));
    const qint32 top = offsetBoxValue(QString::fromUtf8(boxes.value(1)));
    FUZZ_CHECK(left >= -32768 && left <= 32767 && top >= -32768 && top <= 32767);

    bool written = false;
    {
        std::optional<dsfuzz::FileSizeLimit> full;
        if (pick & 2)
            full.emplace(room % 8);
        written = writePrinterOffsets(path, qint16(left), qint16(top));
    }
    const QByteArray after = dsfuzz::readFile(path);
    if (!written) {
        FUZZ_CHECK((pick & 2) && room % 8 < qMax<qsizetype>(held.size(), PrinterSettingsRecordSize));
        FUZZ_CHECK(QFileInfo::exists(path) == exists && after == held);
        return 0;
    }
    QByteArray expected = held;
    if (expected.size() < PrinterSettingsRecordSize)
        expected.resize(PrinterSettingsRecordSize, '\0');
    putI16(expected, 0, qint16(left));
    putI16(expected, 2, qint16(top));
    FUZZ_CHECK(after == expected);
    const OffsetsRead back = readPrinterOffsets(path);
    FUZZ_CHECK(back.ok && back.offsets == (TicketOffsets{left, top}));
    return 0;
}
