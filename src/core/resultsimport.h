#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ds {

// Importing past results from a comma-separated file into a game's history:
// the UK Lotto or Irish Lotto draw history (UK.exe, IR.exe) or the Thunderball
// results file (thresult.exe).
//
// Two layouts are read, the columns found by their heading, whatever the
// letter case and spacing:
// - the draw-history download of the National Lottery: DrawDate, Ball 1 to
//   Ball 6, Bonus Ball (Thunderball: Ball 1 to Ball 5, Thunder Ball), other
//   columns ignored, dates like 12-Jun-2024, newest first;
// - the plain form: date, n1 to n6, bonus (Irish Lotto with a draw column,
//   1 or 2; Thunderball date, n1 to n5, thunderball), ISO dates.
// The columns tell the game: a draw column is the Irish Lotto, a Thunderball
// column Thunderball, otherwise the UK Lotto.
enum class ImportGame { UK, Irish, Thunderball };

// "UK Lotto", "Irish Lotto", "Thunderball".
QString importGameName(ImportGame game);
// The file the game's results go to: "UK.exe", "IR.exe", "thresult.exe".
QString importFileName(ImportGame game);

// How many skipped lines the report names one by one.
inline constexpr int ReportedSkips = 5;

struct ImportReport {
    ImportGame game = ImportGame::UK;
    // The file was not imported at all (wrong game, empty, unreadable, ...);
    // `refusal` says why and nothing was written.
    bool refused = false;
    QString refusal;
    int added = 0;   // draws stored
    int present = 0; // draws the history already held
    int skipped = 0; // lines that could not be used
    // "Line 7: ball 52 is outside 1 to 49", for the first few skipped lines in
    // file order.
    QStringList firstSkips;
    // The new history could not be written; the old file is as it was.
    bool writeFailed = false;

    bool succeeded() const { return !refused && !writeFailed; }
    // The text to show the player: the refusal, the write failure, or
    // "12 draws added, 3 already in the history, 2 skipped." followed by one
    // line per reported skip.
    QString text() const;
};

// Merges the results of `csv` into the bytes of a history file of the target
// game (empty bytes: a new file). Draws whose date (and draw, for the Irish
// second draw) the history does not hold are stored in date order exactly as
// result entry stores them; Thunderball results are added after those held,
// in date order. On refusal the bytes are left unchanged.
ImportReport mergeResults(const QByteArray &csv, ImportGame target, QByteArray &historyBytes);

// Imports into the file at historyPath (missing: created when something is
// added) with one crash-safe replacement of the whole file; a failure leaves
// the old file byte for byte. Nothing is written when nothing is added.
ImportReport importResults(const QByteArray &csv, ImportGame target, const QString &historyPath);

// The same, reading the comma-separated file at csvPath.
ImportReport importResultsFile(const QString &csvPath, ImportGame target,
                               const QString &historyPath);

} // namespace ds
