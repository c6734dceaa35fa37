#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <functional>

namespace ds {

// How a transfer of a file from a web address ended.
struct TransferOutcome {
    enum class Kind {
        Fetched,         // the whole file arrived with status 200: `body`
        HostNotFound,    // no network, or the server's name is not known
        Refused,         // the server refused the connection
        SecureFailed,    // the secure connection could not be trusted (certificate, TLS): `detail`
        Status,          // the server answered with another status: `status`, `reason`
        Stalled,         // nothing arrived for `stallMs` milliseconds
        TooLarge,        // the file is larger than `limit` bytes
        Cut,             // the connection closed before the whole file had arrived
        RedirectRefused, // the server sent the transfer on to `address`, which is not https:
        Cancelled,       // the player cancelled
        Failed,          // any other failure: `detail`
    };
    Kind kind = Kind::Failed;
    QByteArray body;
    int status = 0;
    QByteArray reason;  // the server's words for the status, as sent
    QString contentType;
    QUrl address;       // where the transfer ended (or was sent, for RedirectRefused)
    qint64 stallMs = 0;
    qint64 limit = 0;
    QString detail;
};

// Fetches one file at a time from a web address, in the background: the
// caller's window stays responsive meanwhile. The address has been checked
// by the caller; the transfer follows redirects only to https: addresses,
// verifies certificates, stops when nothing arrives for its time limit and
// when the file grows past its size limit.
class Transfer {
public:
    // Bytes received so far and the whole size (-1 while not known).
    using Progress = std::function<void(qint64 received, qint64 total)>;
    using Done = std::function<void(const TransferOutcome &outcome)>;

    virtual ~Transfer() = default;
    // Starts fetching. `progress` is called as data arrives and `done` once,
    // at the end, never from within start() or cancel().
    virtual void start(const QUrl &address, Progress progress, Done done) = 0;
    // Stops the transfer under way; its `done` then tells Cancelled.
    virtual void cancel() = 0;
};

} // namespace ds
