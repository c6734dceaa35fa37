#pragma once

#include <QString>
#include <QStringList>

namespace ds {

// Where the program keeps its files, decided once at start-up.
//
// A copy run from its own folder (the build folder, or unpacked into a folder
// of its own) keeps everything beside the executable, as it always has: that
// folder holds the draw histories. An installed copy (executable in
// PREFIX/bin, shipped files in PREFIX/share/drawsmith) cannot write beside
// itself, so it works in the player's own data folder, which is filled from
// the shipped files.
struct ProgramFolderChoice {
    QString folder;        // the program folder
    bool perUser = false;  // the per-user data folder was chosen
    QString shippedFolder; // where missing shipped files come from (perUser only)
    QString rule;          // one sentence for the About window
};

// The rule itself. `executableFolder` is the folder of the running program,
// `shippedFolder` the installed shipped files (PREFIX/share/drawsmith),
// `perUserFolder` the player's data folder.
ProgramFolderChoice chooseProgramFolder(const QString &executableFolder, const QString &shippedFolder,
                                        const QString &perUserFolder);

struct FillResult {
    QStringList copied; // relative paths copied, in order
    QStringList failed; // relative paths that could not be copied
};

// Copies every file under `shippedFolder` (subfolders included) that
// `programFolder` does not hold yet, whatever the letter case of the one it
// holds. A file already there is never touched. Copies are complete or absent
// (written under a temporary name, then renamed) and writable by the player.
FillResult fillProgramFolder(const QString &shippedFolder, const QString &programFolder);

} // namespace ds
