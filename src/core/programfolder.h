#pragma once

#include <QDateTime>
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

// Every file under `folder` (subfolders included) as a path relative to it,
// sorted; none when the folder is missing.
QStringList filesUnder(const QString &folder);

// Whether the program folder can be used: it is created when missing, and a
// file is written in it (and removed again).
enum class FolderState { Ready, NotCreated, NotWritable };
FolderState prepareProgramFolder(const QString &folder);
// What the player is told at start-up about the folder; empty when Ready.
QString folderStateMessage(FolderState state, const QString &folder);

// A save writes the new file under a temporary name beside it (the file's
// name, a dot and six random letters) and renames it into place; a save cut
// off in between leaves that copy behind. A leftover is removed once it is
// older than this, so that a save another copy of the program is making at
// the moment keeps its copy.
inline constexpr qint64 LeftoverMinimumAgeSeconds = 15 * 60;

// Removes the leftovers of interrupted saves of the program's own files.
// `ownNames` are the names of those files relative to `folder`, matched
// without regard to case, with "*" for any text ("*.lot", "UK.exe",
// "wheels/J6.dat"). Only "<own name>.XXXXXX" is taken, XXXXXX being six
// letters of both cases as the temporary names have (a suffix of one case,
// such as ".backup", is more likely the player's own), and only when last
// written at least LeftoverMinimumAgeSeconds before `now`. Returns the
// relative paths removed.
QStringList removeSaveLeftovers(const QString &folder, const QStringList &ownNames, const QDateTime &now);

// All the start-up work on the program folder: chooses it, creates it when
// missing and checks that it takes files; where it does, removes what
// interrupted saves left and, for the per-user folder, fills it from the
// shipped files.
struct ProgramFolderStart {
    ProgramFolderChoice choice;
    FolderState state = FolderState::Ready;
    QString problem;               // folderStateMessage() of state
    QStringList leftoversRemoved;
    FillResult filled;
};
ProgramFolderStart startProgramFolder(const QString &executableFolder, const QString &shippedFolder,
                                      const QString &perUserFolder, const QStringList &ownNames,
                                      const QDateTime &now);

} // namespace ds
