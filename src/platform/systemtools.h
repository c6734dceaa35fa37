#pragma once

// Finding the operating system's system information tool. Plain logic, used
// by the desktop's system information launcher.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace ds::systemtools {

// A program that shows the system's information, with its arguments.
struct Tool {
    QString program;
    QStringList arguments;
    bool operator==(const Tool &) const = default;
};

// Where Windows records its system information tool: the tool's full path
// (empty when not recorded), else the folder that holds MSINFO32.EXE.
struct WindowsToolRecord {
    QString path;
    QString folder;
};
// The tool Windows records: its path, else MSINFO32.EXE in its folder when
// that file exists.
std::optional<QString> windowsTool(const WindowsToolRecord &record,
                                   const std::function<bool(const QString &)> &fileExists);

// The first candidate that `locate` finds (locate returns the full path of a
// program, empty when not installed), with that path.
std::optional<Tool> findTool(const std::vector<Tool> &candidates,
                             const std::function<QString(const QString &)> &locate);

// System information tools of the desktops the program runs on, most
// fitting first.
std::vector<Tool> desktopTools();

} // namespace ds::systemtools
