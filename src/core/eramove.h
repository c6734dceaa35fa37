#pragma once

// Draws stored under the wrong era: an earlier version took every date of a
// game as its first era, so a draw of a later era (a 2026 UK draw typed in as
// 6 from 49) may sit in the older era's file. At start-up such draws are moved
// once into the file of the era of their date.
//
// Only draws dated after the last draw of the file's own era and covered by a
// later era move. A draw the later file already holds (same date, same
// numbers) is not stored twice; one that cannot be placed (its date already
// holds as many draws as that era allows) stays where it is, so nothing is
// lost. The old file keeps every other record byte for byte, its count lowered
// by the draws moved; the later file is stored in date order as result entry
// stores.

#include "core/games.h"

#include <QByteArray>
#include <QString>
#include <span>
#include <vector>

namespace ds {

struct EraMove {
    const Era *from = nullptr;
    const Era *to = nullptr;
    int moved = 0;
};

struct EraMoveResult {
    std::vector<EraMove> moves;   // one per pair of files with draws moved
    QStringList failed;           // files that could not be read or written
    // "3 draws stored in UK.exe are of the 6 from 59 era and were moved to
    // UK59.exe.", one sentence per move; empty when nothing moved.
    QString message() const;
};

// How a game's files are changed: the draws of `bytes` dated after `from`'s
// last draw and covered by `to` move into `toBytes`. Returns how many moved.
using DrawsMove = int (*)(QByteArray &bytes, const Era &from, QByteArray &toBytes, const Era &to);

// The move for the lotto draw history format.
int moveLottoDraws(QByteArray &bytes, const Era &from, QByteArray &toBytes, const Era &to);

// Moves the misplaced draws of every era file of `eras` (one game's eras, in
// date order) in the program folder, with `move` for the game's format. Both
// files of a move are replaced crash-safely; when the second write fails the
// first is put back.
EraMoveResult moveMisplacedDraws(const QString &programFolder, std::span<const Era> eras, DrawsMove move);

} // namespace ds
