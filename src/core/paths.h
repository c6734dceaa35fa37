#pragma once

#include <QString>

namespace ds {

// Full path of `name` in `folder`. A file already there under another letter
// case (UK.EXE, uk05061999.LOT) is found and its own spelling returned; a name
// not present is returned as given, for creation.
QString resolveInFolder(const QString &folder, const QString &name);

// True when a file of that name exists in the folder, whatever its letter case.
bool existsInFolder(const QString &folder, const QString &name);

} // namespace ds
