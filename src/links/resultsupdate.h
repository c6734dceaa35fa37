#pragma once

// "Update Results": the current game's official results file fetched from
// the address in record 1 of the links file and brought in by the import.
// The decisions are here; the transfer is the platform's and the window only
// shows progress and the outcome.

#include "core/games.h"
#include "links/weblinks.h"
#include "platform/transfer.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace ds::links {

// Whether an address may be fetched: https:, or http: only to this computer
// (127.0.0.1, ::1, localhost), where a local copy of the file may be kept.
// Anything else is refused, naming the address, before any connection.
struct AddressCheck {
    QUrl url;        // the address to fetch when allowed
    QString refusal; // empty when allowed
};
AddressCheck checkFetchAddress(const QString &address);

// Whether the address names a file (.csv or .txt) rather than a page.
bool namesResultsFile(const QUrl &url);

// What "Update Results" does for the game with record 1 of the links file:
// fetch the game's address; or, for a game whose address is a page and not
// a file (the Irish Lotto's results page), ask whether to open it with
// "Download Results File" instead; or refuse the address.
struct UpdatePlan {
    enum Kind { Fetch, OfferDownload, Refuse } kind = Refuse;
    QUrl address; // Fetch
    QString text; // OfferDownload: the question; Refuse: the refusal
};
UpdatePlan planUpdate(Game game, const WebLink &record1);

// "404 Not Found": the status and its usual words (the server's own, made
// safe to show, for a status without usual words).
QString statusText(int status, const QByteArray &reason);

// What the player is told of a transfer that did not bring the whole file;
// empty for one that did.
QString transferFailure(const TransferOutcome &outcome);

// Why a fetched body is no results file before the import reads it (empty,
// a web page, whatever the server called it); empty when the import may
// read it.
QString bodyRefusal(const QByteArray &body);

// The progress dialog's texts: "Fetching the UK Lotto results from
// www.national-lottery.co.uk" and "12 KB of 60 KB received".
QString fetchingText(Game game, const QUrl &address);
// Said when Update Results is chosen again, from any window, while one runs.
inline const QString UpdateRunningText =
    QStringLiteral("Results are already being updated. Wait for that update to end, or stop it.");
QString progressText(qint64 received, qint64 total);

// "Newest draw now stored: 7/10/2015." (", draw 2" for a second draw);
// empty when the histories hold none.
QString newestStoredText(Game game, const QString &programFolder);

// The end of an update: the transfer's failure, the body's refusal, or the
// import of the body into the game's histories in the program folder (the
// import's report, and the newest draw now stored when it succeeded).
struct UpdateResult {
    bool imported = false; // the import ran and succeeded
    bool cancelled = false;
    QString text;
};
UpdateResult finishUpdate(const TransferOutcome &outcome, Game game, const QString &programFolder);

} // namespace ds::links
