#include "core/filenames.h"

#include <QFileInfo>
#include <algorithm>

namespace ds::files {

QString history(const Era &era)
{
    return era.historyFileName();
}

QString selectionsPrefix(Game game)
{
    return QString::fromLatin1(gameInfo(game).entryPrefix);
}

QString selections(Game game, const QString &dateKey)
{
    return selectionsPrefix(game) + dateKey + QStringLiteral(".lot");
}

QString selectionsDateKey(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    for (Game game : AllGames) {
        const GameInfo &g = gameInfo(game);
        if (g.code[0] == '\0')
            continue;
        const QString prefix = selectionsPrefix(game);
        if (name.size() != prefix.size() + 12 || !name.startsWith(prefix, Qt::CaseInsensitive)
            || !name.endsWith(QStringLiteral(".lot"), Qt::CaseInsensitive))
            continue;
        const QString key = name.mid(prefix.size(), 8);
        if (std::all_of(key.begin(), key.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }))
            return key;
    }
    return QString();
}

QString standing(Game game)
{
    return QStringLiteral("Stand") + gameInfo(game).codeText() + QStringLiteral(".lot");
}

QString wheel(Game game, int wheel)
{
    return gameInfo(game).codeText() + QStringLiteral("wheel") + QString::number(wheel) + QStringLiteral(".lot");
}

QString wheelTable(const char *prefix, int groupSize, bool twoDigitSize)
{
    const QString size = twoDigitSize ? QStringLiteral("%1").arg(groupSize, 2, 10, QLatin1Char('0'))
                                      : QString::number(groupSize);
    return QString::fromLatin1(prefix) + size + QStringLiteral(".dat");
}

QStringList ownFiles()
{
    QStringList names;
    for (const Era &e : allEras())
        if (!names.contains(history(e)))
            names << history(e);
    names << PrinterSettings << WebLinks << QStringLiteral("*.lot");
    return names;
}

} // namespace ds::files
