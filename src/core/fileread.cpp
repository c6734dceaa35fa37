#include "core/fileread.h"

#include <QFile>

namespace ds {

FileRead<QByteArray> readFileBytes(const QString &path, qint64 cap)
{
    FileRead<QByteArray> r;
    QFile f(path);
    if (!f.exists()) {
        r.status = ReadStatus::Missing;
        return r;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        r.status = ReadStatus::Unreadable;
        return r;
    }
    // A file's size may be unknown (a device, a pipe): read one byte past the
    // cap to tell.
    if (f.size() > cap) {
        r.status = ReadStatus::TooLarge;
        return r;
    }
    r.value = f.read(cap + 1);
    if (f.error() != QFileDevice::NoError) {
        r.status = ReadStatus::Unreadable;
        r.value.clear();
    } else if (r.value.size() > cap) {
        r.status = ReadStatus::TooLarge;
        r.value.clear();
    }
    return r;
}

} // namespace ds
