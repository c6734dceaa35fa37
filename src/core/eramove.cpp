#include "core/eramove.h"

#include "core/dates.h"
#include "core/drawhistory.h"
#include "core/fileread.h"
#include "core/filenames.h"
#include "core/paths.h"
#include "core/recordfile.h"

#include <QFile>
#include <algorithm>

namespace ds {

QString EraMoveResult::message() const
{
    QStringList sentences;
    for (const EraMove &m : moves) {
        sentences << QStringLiteral("%1 stored in %2 %3 of the %4 era and %5 moved to %6.")
                         .arg(m.moved == 1 ? QStringLiteral("1 draw") : QStringLiteral("%1 draws").arg(m.moved),
                              files::history(*m.from), m.moved == 1 ? QStringLiteral("is") : QStringLiteral("are"),
                              m.to->displayName(), m.moved == 1 ? QStringLiteral("was") : QStringLiteral("were"),
                              files::history(*m.to));
    }
    return sentences.join(QLatin1Char(' '));
}

int moveLottoDraws(QByteArray &bytes, const Era &from, QByteArray &toBytes, const Era &to)
{
    DrawHistory source;
    source.setBytes(bytes);
    DrawHistory target;
    target.setBytes(toBytes);
    const int n = source.count();

    std::vector<Draw> kept, moving;
    for (int r = 2; r <= n + 1; ++r) {
        const Draw d = source.record(r);
        const qint64 order = dateOrderKey(d.date);
        const bool later = order > from.last && order <= to.last && order >= to.first;
        (later ? moving : kept).push_back(d);
    }
    if (moving.empty())
        return 0;

    int moved = 0;
    std::vector<Draw> stay;
    for (const Draw &d : moving) {
        const QString key = d.dateKey();
        const int first = target.findFirst(key);
        const int last = target.findLast(key);
        bool held = false;
        for (int r = first; first > 0 && r <= last; ++r) {
            const Draw t = target.record(r);
            held = held || (t.main == d.main && t.bonus == d.bonus);
        }
        const int onDate = first > 0 ? last - first + 1 : 0;
        const Ymd date = static_cast<Ymd>(dateOrderKey(d.date));
        if (held) {
            ++moved; // already there: dropped from the old file, kept once
        } else if (onDate < to.drawsOn(date).draws && target.insert(d)) {
            ++moved;
        } else {
            stay.push_back(d);
        }
    }
    if (moved == 0)
        return 0;

    // The old file: its count record with the new count, then the draws that
    // stay, each record as it was.
    QByteArray out = bytes.left(DrawRecordSize);
    out.resize(DrawRecordSize, '\0');
    const int left = static_cast<int>(kept.size() + stay.size());
    putI16(out, 20, static_cast<qint16>(left));
    for (int r = 2; r <= n + 1; ++r) {
        const QByteArray rec = bytes.mid(qsizetype(r - 1) * DrawRecordSize, DrawRecordSize);
        const Draw d = decodeDraw(rec);
        const qint64 order = dateOrderKey(d.date);
        const bool later = order > from.last && order <= to.last && order >= to.first;
        const bool stays = std::any_of(stay.begin(), stay.end(), [&](const Draw &s) {
            return s.date == d.date && s.main == d.main && s.bonus == d.bonus;
        });
        if (!later || stays)
            out += rec;
    }
    bytes = out;
    toBytes = target.bytes();
    return moved;
}

EraMoveResult moveMisplacedDraws(const QString &programFolder, std::span<const Era> eras, DrawsMove move)
{
    EraMoveResult result;
    for (size_t i = 0; i + 1 < eras.size(); ++i) {
        const QString fromPath = resolveInFolder(programFolder, files::history(eras[i]));
        const FileRead<QByteArray> fromRead = readFileBytes(fromPath);
        if (fromRead.missing())
            continue;
        if (!fromRead.usable()) {
            result.failed << files::history(eras[i]);
            continue;
        }
        QByteArray fromBytes = fromRead.value;
        for (size_t j = i + 1; j < eras.size(); ++j) {
            const QString toPath = resolveInFolder(programFolder, files::history(eras[j]));
            const FileRead<QByteArray> toRead = readFileBytes(toPath);
            if (!toRead.usable()) {
                result.failed << files::history(eras[j]);
                continue;
            }
            const QByteArray fromBefore = fromBytes;
            QByteArray toBytes = toRead.value;
            const int moved = move(fromBytes, eras[i], toBytes, eras[j]);
            if (moved == 0)
                continue;
            // The later file first: should the old one then fail, the draws
            // are in both files rather than in neither, and the later copy is
            // put back so the next start tries again.
            if (!saveFileAtomically(toPath, toBytes)) {
                result.failed << files::history(eras[j]);
                fromBytes = fromBefore;
                continue;
            }
            if (!saveFileAtomically(fromPath, fromBytes)) {
                result.failed << files::history(eras[i]);
                if (toRead.missing())
                    QFile::remove(toPath);
                else
                    saveFileAtomically(toPath, toRead.value);
                fromBytes = fromBefore;
                continue;
            }
            result.moves.push_back({&eras[i], &eras[j], moved});
        }
    }
    return result;
}

} // namespace ds
