#pragma once

#include "core/games.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace ds {

// Importing past results from a comma-separated file into a game's history.
// This part is common to the games and does the lotto merge (UK.exe, IR.exe);
// the Thunderball merge (thresult.exe) lives with the Thunderball results
// file and uses the same rows and report.
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

// How many skipped lines the report names one by one.
inline constexpr int ReportedSkips = 5;

struct ImportReport {
    Game game = Game::UK;
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

// One usable row of a results file, kept small: a 16 MB file holds about
// 600,000 of them.
struct ResultRow {
    qint32 line = 0;   // line of the file
    qint32 orderDraw = 0; // YYYYMMDD * 10 + draw (Irish: 1 main draw, 2 second draw; others 1)
    std::array<quint8, 6> main{}; // ascending; Thunderball uses five
    quint8 extra = 0;  // bonus ball or Thunderball

    int order() const { return orderDraw / 10; } // YYYYMMDD
    int draw() const { return orderDraw % 10; }
    int day() const { return order() % 100; }
    int month() const { return order() / 100 % 100; }
    int year() const { return order() / 10000; }
};

// The skipped lines of an import: how many, and the reasons of the first few
// in file order (the others are only counted).
class SkipList {
public:
    // Counts a skipped line; `reason` (a callable giving the text) is asked
    // only when the line is among the first reported.
    template <typename Reason>
    void add(int line, Reason &&reason)
    {
        ++m_count;
        if (m_first.size() < size_t(ReportedSkips) || line < m_first.back().line)
            keep(line, reason());
    }
    int count() const { return m_count; }
    // "Line 7: ball 52 is outside 1 to 49", in file order.
    QStringList firstReasons() const;

private:
    struct Skip {
        int line;
        QString reason;
    };
    void keep(int line, const QString &reason);
    std::vector<Skip> m_first; // at most ReportedSkips, in line order
    int m_count = 0;
};

// The usable rows of a results file in date order (the first draw of a date
// before its second, file order within that), with the skipped lines so far.
struct ResultRows {
    ImportReport report; // refused, with its reason, when the file cannot be used
    std::vector<ResultRow> rows;
    SkipList skips;
};

// Reads the rows of `csv` for the target game: the refusals of a file that is
// empty, too large, of another game or without the columns; each row checked
// against the game's rules (dates inside the era, balls inside the limits,
// no number twice).
ResultRows readResultRows(const QByteArray &csv, Game target);

// Moves the skip count and first reasons into the report.
void finishReport(ResultRows &rows);

// Texts shared by the merges.
QString shownDate(const ResultRow &row); // "5/6/1999"
QString listedTwiceReason(const ResultRow &row, int firstLine, Game game);
QString fileFullReason(Game game);

// A merge of the rows into the bytes of the game's file; it fills in added,
// present and skips.
using ResultsMerge = void (*)(ResultRows &rows, Game game, QByteArray &bytes);

// Reads the rows and merges them into the bytes of the target game's file
// (empty bytes: a new file). On refusal the bytes are left unchanged.
ImportReport mergeResultsWith(const QByteArray &csv, Game target, QByteArray &bytes, ResultsMerge merge);

// The same into the file at historyPath (missing: created when something is
// added) with one crash-safe replacement of the whole file; a failure leaves
// the old file byte for byte. Nothing is written when nothing is added.
ImportReport importResultsWith(const QByteArray &csv, Game target, const QString &historyPath,
                               ResultsMerge merge);

// The same, reading the comma-separated file at csvPath.
ImportReport importResultsFileWith(const QString &csvPath, Game target, const QString &historyPath,
                                   ResultsMerge merge);

// The lotto merge: draws whose date (and draw, for the Irish second draw) the
// history does not hold are stored in date order exactly as result entry
// stores them. Every record's order key is computed once for the whole merge.
void mergeLottoRows(ResultRows &rows, Game game, QByteArray &historyBytes);

// The lotto games (UK, Irish) through the lotto merge.
ImportReport mergeLottoResults(const QByteArray &csv, Game target, QByteArray &historyBytes);
ImportReport importLottoResults(const QByteArray &csv, Game target, const QString &historyPath);
ImportReport importLottoResultsFile(const QString &csvPath, Game target, const QString &historyPath);

} // namespace ds
