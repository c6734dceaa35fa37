#pragma once

#include "core/programfolder.h"

#include <QString>

namespace ds {

struct AppState;

// The desktop's identifier of the program: its desktop entry, icon and
// AppStream component all carry this name.
inline constexpr char ApplicationId[] = "org.drawsmith.Drawsmith";

// Names the application (which also names the per-user data folder), sets the
// windows' icon and ties the windows to the desktop entry. Call once the
// QApplication exists.
void identifyApplication();

// The installed shipped files as seen from the executable's folder
// (PREFIX/share/drawsmith beside PREFIX/bin).
QString shippedFolderFor(const QString &executableFolder);

// The names of the files the program writes in its folder (wildcards for the
// entry files), whose interrupted saves start-up clears away.
QStringList ownFileNames();

// Decides the program folder for this run from the executable's folder,
// creates it when missing, removes the leftovers of interrupted saves, fills
// it from the shipped files where it is the per-user folder, and records the
// folder, the rule and any problem with the folder in the state.
ProgramFolderChoice settleProgramFolder(AppState &state, const QString &executableFolder);

} // namespace ds
