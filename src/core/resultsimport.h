#pragma once

#include "core/games.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <span>
#include <vector>

namespace ds {

// Importing past results from a comma-separated file into a game's history
// files. This part is common to the games and does the lotto merge; the
// Thunderball merge lives with the Thunderball results file and uses the same
// rows and report. Each row belongs to the era of its date and goes into that
// era's file; a row of a date no era of the game covers is skipped.
//
// Two layouts are read, the columns found by their heading, whatever the
// letter case and spacing:
// - the draw-history download of the National Lottery: DrawDate, Ball 1 to
//   Ball 6, Bonus Ball (Thunderball: Ball 1 to Ball 5, Thunder Ball), other
//   columns ignored, dates like 12-Jun-2024, newest first;
// - the plain form: date, n1 to n6, bonus, with a draw (or round) column, 1
//   or 2, for a game whose dates may hold two draws (Thunderball: date, n1 to
//   n5, thunderball), ISO dates.
// Without a draw (round) column, the rows of a date that holds two draws (the
// UK Lotto's two rounds) are its first and second in the order of the file,
// whatever the order of the dates; the report says how many dates were read so.
// The file has to hold the columns of the game the player chose: a
// Thunderball column is a Thunderball file, a draw column a file of a game
// with two draws a date.

// How many skipped lines the report names one by one.
inline constexpr int ReportedSkips = 5;

// What an import did in one era's file.
struct EraImport {
    const Era *era = nullptr;
    int added = 0;
    int present = 0;
};

struct ImportReport {
    Game game = Game::UK;
    // The file was not imported at all (wrong game, empty, unreadable, ...);
    // `refusal` says why and nothing was written.
    bool refused = false;
    QString refusal;
    int added = 0;   // draws stored
    int present = 0; // draws the history already held
    int skipped = 0; // lines that could not be used
    // Rows of the game's other eras a merge into one era's file passed over
    // without counting them as skipped (OtherEraRows::PassedOver).
    int otherEras = 0;
    // Dates of two draws (rounds) whose rows were taken as the first and the
    // second by their order in a file without a draw (round) column.
    int drawsByOrder = 0;
    // "Line 7: ball 52 is outside 1 to 49", for the first few skipped lines in
    // file order.
    QStringList firstSkips;
    // The eras rows went to, oldest first (added or present).
    std::vector<EraImport> eras;
    // A new history could not be written; every file is as it was.
    bool writeFailed = false;

    bool succeeded() const { return !refused && !writeFailed; }
    // The text to show the player: the refusal, the write failure, or
    // "12 draws added, 3 already in the history, 2 skipped.", a line per era
    // when rows went to more than one, and a line per reported skip.
    QString text() const;
};

// One usable row of a results file, kept small: a 16 MB file holds about
// 600,000 of them.
struct ResultRow {
    qint32 line = 0;   // line of the file
    qint32 orderDraw = 0; // YYYYMMDD * 10 + draw (1 the first draw of the date, 2 the second)
    std::array<quint8, 6> main{}; // ascending; Thunderball uses five
    quint8 extra = 0;  // bonus ball or Thunderball
    quint8 era = 0;    // index of the row's era in erasOf(game)

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
// against the era of its date (a date some era covers, balls inside its
// limits, no number twice, a second draw only where the era has one).
ResultRows readResultRows(const QByteArray &csv, Game target);

// The history files of a game's eras as bytes, one per era of erasOf(game),
// oldest first; empty bytes are a file not made yet.
using EraFiles = std::vector<QByteArray>;

// Moves the skip count and first reasons into the report.
void finishReport(ResultRows &rows);

// Texts shared by the merges.
QString shownDate(const ResultRow &row); // "5/6/1999"
QString listedTwiceReason(const ResultRow &row, int firstLine);
QString fileFullReason(Game game);

// A merge of the rows of one era into the bytes of its file; it counts what it
// adds and finds present in `counts` and the skipped rows in `skips`.
using ResultsMerge = void (*)(std::span<const ResultRow> rows, const Era &era, QByteArray &bytes,
                              EraImport &counts, SkipList &skips);

// Reads the rows and merges each era's rows into its bytes (files has one
// entry per era of the game; missing entries are added empty). On refusal
// nothing is changed.
ImportReport mergeResultsWith(const QByteArray &csv, Game target, EraFiles &files, ResultsMerge merge);

// What a merge into one era's file does with the rows of the game's other
// eras: skips them (each a skipped line, its reason in the report) or passes
// over them, only counted (one results file of several eras feeding each
// era's file in turn).
enum class OtherEraRows { Skipped, PassedOver };

// The same for one era's file alone.
ImportReport mergeEraResultsWith(const QByteArray &csv, const Era &era, QByteArray &bytes, ResultsMerge merge,
                                 OtherEraRows others = OtherEraRows::Skipped);

// The same into the eras' files in the program folder (a missing file is
// created when something is added to it), each replaced crash-safely as a
// whole; when one cannot be written, those already written are put back, so
// a failure leaves every file byte for byte as it was. Nothing is written to
// a file nothing is added to.
ImportReport importResultsWith(const QByteArray &csv, Game target, const QString &programFolder,
                               ResultsMerge merge);

// The same, reading the comma-separated file at csvPath.
ImportReport importResultsFileWith(const QString &csvPath, Game target, const QString &programFolder,
                                   ResultsMerge merge);

// The lotto merge: draws whose date (and draw, for a second draw) the history
// does not hold are stored in date order exactly as result entry stores them.
// Every record's order key is computed once for the whole merge.
void mergeLottoRows(std::span<const ResultRow> rows, const Era &era, QByteArray &historyBytes,
                    EraImport &counts, SkipList &skips);

} // namespace ds
