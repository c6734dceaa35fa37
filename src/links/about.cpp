#include "links/about.h"

#include <QStringList>

#ifndef DRAWSMITH_VERSION
#define DRAWSMITH_VERSION "0.0.0"
#endif

namespace ds::about {

QString windowCaption()
{
    return QStringLiteral("About ") + QString::fromLatin1(ApplicationTitle);
}

QString versionText(const QString &projectVersion)
{
    const QStringList parts = projectVersion.trimmed().split(QLatin1Char('.'));
    int n[3] = {0, 0, 0};
    for (int i = 0; i < 3 && i < parts.size(); ++i)
        n[i] = parts[i].toInt(); // not a number: 0
    return QStringLiteral("Version %1.%2.%3").arg(n[0]).arg(n[1]).arg(n[2]);
}

QString programVersion()
{
    return QStringLiteral(DRAWSMITH_VERSION);
}

} // namespace ds::about
