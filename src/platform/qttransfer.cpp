#include "platform/qttransfer.h"

#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace ds {

namespace {

// A server on this computer is never reached through a proxy.
bool onThisComputer(const QUrl &address)
{
    const QString host = address.host().toLower();
    return host == QLatin1String("localhost") || host == QLatin1String("127.0.0.1") || host == QLatin1String("::1");
}

// How many redirects are followed before the transfer gives up.
constexpr int MaxRedirects = 5;

} // namespace

QtTransfer::QtTransfer(std::chrono::milliseconds stallLimit, qint64 sizeLimit, QObject *parent)
    : QObject(parent), m_stallLimit(stallLimit), m_sizeLimit(sizeLimit)
{
    m_stall.setSingleShot(true);
    connect(&m_stall, &QTimer::timeout, this, [this] { stop(TransferOutcome::Kind::Stalled); });
}

QtTransfer::~QtTransfer()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        delete m_reply;
    }
}

void QtTransfer::start(const QUrl &address, Progress progress, Done done)
{
    if (m_reply)
        cancel();
    m_body.clear();
    m_stopped.reset();
    m_redirect.clear();
    m_progress = std::move(progress);
    m_done = std::move(done);

    m_network.setProxy(onThisComputer(address) ? QNetworkProxy(QNetworkProxy::NoProxy) : QNetworkProxy());
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(MaxRedirects);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Drawsmith"));
    QNetworkReply *reply = m_network.get(request);
    m_reply = reply;

    const auto heard = [this] { m_stall.start(m_stallLimit); };
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply, heard] {
        heard();
        // A file announced larger than the limit is not waited for.
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status == 200 && length.isValid() && length.toLongLong() > m_sizeLimit)
            stop(TransferOutcome::Kind::TooLarge);
    });
    connect(reply, &QNetworkReply::readyRead, this, [this, heard] {
        heard();
        readBody();
    });
    connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        if (m_progress && !m_stopped)
            m_progress(received, total);
    });
    connect(reply, &QNetworkReply::redirected, this, [this, reply, heard](const QUrl &to) {
        heard();
        if (to.scheme() == QLatin1String("https")) {
            emit reply->redirectAllowed();
            return;
        }
        m_redirect = to;
        stop(TransferOutcome::Kind::RedirectRefused);
    });
    // Certificate errors are never ignored: the reply then fails.
    connect(reply, &QNetworkReply::finished, this, &QtTransfer::finished);
    m_stall.start(m_stallLimit);
}

void QtTransfer::cancel()
{
    stop(TransferOutcome::Kind::Cancelled);
}

void QtTransfer::stop(TransferOutcome::Kind why)
{
    if (!m_reply || m_stopped)
        return;
    m_stopped = why;
    m_reply->abort(); // finished() follows at once
}

void QtTransfer::readBody()
{
    if (!m_reply || m_stopped)
        return;
    if (m_body.size() + m_reply->bytesAvailable() > m_sizeLimit) {
        stop(TransferOutcome::Kind::TooLarge);
        return;
    }
    m_body += m_reply->readAll();
}

void QtTransfer::finished()
{
    QNetworkReply *reply = m_reply;
    if (!reply)
        return;
    m_stall.stop();
    readBody();
    m_reply = nullptr;
    reply->disconnect(this);
    reply->deleteLater();

    using Kind = TransferOutcome::Kind;
    TransferOutcome out;
    out.address = reply->url();
    out.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    out.reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray();
    out.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    out.stallMs = m_stallLimit.count();
    out.limit = m_sizeLimit;
    out.detail = reply->errorString();

    const QNetworkReply::NetworkError error = reply->error();
    if (m_stopped) {
        out.kind = *m_stopped;
        if (out.kind == Kind::RedirectRefused)
            out.address = m_redirect;
    } else if (error == QNetworkReply::NoError) {
        out.kind = out.status == 200 ? Kind::Fetched : Kind::Status;
    } else if (error < QNetworkReply::ProxyConnectionRefusedError) {
        // The errors of the connection itself.
        switch (error) {
        case QNetworkReply::HostNotFoundError:
        case QNetworkReply::TemporaryNetworkFailureError:
        case QNetworkReply::NetworkSessionFailedError:
            out.kind = Kind::HostNotFound;
            break;
        case QNetworkReply::ConnectionRefusedError:
            out.kind = Kind::Refused;
            break;
        case QNetworkReply::SslHandshakeFailedError:
            out.kind = Kind::SecureFailed;
            break;
        case QNetworkReply::RemoteHostClosedError:
            out.kind = Kind::Cut;
            break;
        case QNetworkReply::TimeoutError:
            out.kind = Kind::Stalled;
            break;
        case QNetworkReply::OperationCanceledError:
            out.kind = Kind::Cancelled;
            break;
        default:
            out.kind = Kind::Failed;
            break;
        }
    } else if (out.status != 0 && out.status != 200) {
        out.kind = Kind::Status;
    } else {
        out.kind = Kind::Failed;
    }
    if (out.kind == Kind::Fetched)
        out.body = std::move(m_body);
    m_body.clear();
    m_progress = nullptr;
    // The caller hears of the end once the reply's own signals are over.
    QMetaObject::invokeMethod(this, [done = std::move(m_done), out] {
        if (done)
            done(out);
    }, Qt::QueuedConnection);
    m_done = nullptr;
}

} // namespace ds
