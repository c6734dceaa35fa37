#pragma once

#include "core/fileread.h"
#include "platform/transfer.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <optional>

class QNetworkReply;

namespace ds {

// The transfer through Qt Network. Certificates are verified by the system's
// trust store and a failed check ends the transfer; redirects are followed
// only to https: addresses; the time limit counts from the last data
// received (or from the start); the size limit is that of any file the
// program reads whole.
class QtTransfer : public QObject, public Transfer {
    Q_OBJECT
public:
    explicit QtTransfer(std::chrono::milliseconds stallLimit = std::chrono::seconds(30),
                        qint64 sizeLimit = MaxFileBytes, QObject *parent = nullptr);
    ~QtTransfer() override;

    void start(const QUrl &address, Progress progress, Done done) override;
    void cancel() override;

private:
    void stop(TransferOutcome::Kind why);
    void readBody();
    void finished();

    QNetworkAccessManager m_network;
    QTimer m_stall;
    std::chrono::milliseconds m_stallLimit;
    qint64 m_sizeLimit;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_body;
    Progress m_progress;
    Done m_done;
    std::optional<TransferOutcome::Kind> m_stopped; // why the transfer was stopped here
    QUrl m_redirect;
};

} // namespace ds
