#include "platform/systemtools.h"

namespace ds::systemtools {

std::optional<QString> windowsTool(const WindowsToolRecord &record,
                                   const std::function<bool(const QString &)> &fileExists)
{
    if (!record.path.isEmpty())
        return record.path;
    if (!record.folder.isEmpty()) {
        QString folder = record.folder;
        folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
        while (folder.endsWith(QLatin1Char('/')))
            folder.chop(1);
        const QString exe = folder + QStringLiteral("/MSINFO32.EXE");
        if (fileExists(exe))
            return exe;
    }
    return std::nullopt;
}

std::optional<Tool> findTool(const std::vector<Tool> &candidates,
                             const std::function<QString(const QString &)> &locate)
{
    for (const Tool &t : candidates) {
        const QString path = locate(t.program);
        if (!path.isEmpty())
            return Tool{path, t.arguments};
    }
    return std::nullopt;
}

std::vector<Tool> desktopTools()
{
#if defined(Q_OS_WIN)
    return {{QStringLiteral("msinfo32"), {}}};
#elif defined(Q_OS_MACOS)
    return {{QStringLiteral("/System/Applications/Utilities/System Information.app"), {}},
            {QStringLiteral("/Applications/Utilities/System Information.app"), {}}};
#else
    return {{QStringLiteral("kinfocenter"), {}},
            {QStringLiteral("hardinfo2"), {}},
            {QStringLiteral("hardinfo"), {}},
            {QStringLiteral("gnome-control-center"), {QStringLiteral("system")}},
            {QStringLiteral("lshw-gtk"), {}}};
#endif
}

} // namespace ds::systemtools
