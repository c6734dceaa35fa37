#include "links/resultsupdate.h"

#include "core/csv.h"
#include "core/dates.h"
#include "links/resultsexport.h"
#include "thunderball/resultsimport.h"

#include <algorithm>

namespace ds::links {

namespace {

bool thunderFormat(Game game)
{
    return gameInfo(game).format == ResultsFormat::Thunder;
}

// An address as the player is shown it: control characters written out.
QString shown(const QString &address)
{
    return escapedControls(address);
}

// The usual words of the statuses a results server may answer with.
struct StatusWords {
    int status;
    const char *words;
};
constexpr StatusWords UsualWords[] = {
    {201, "Created"},
    {202, "Accepted"},
    {203, "Non-Authoritative Information"},
    {204, "No Content"},
    {206, "Partial Content"},
    {300, "Multiple Choices"},
    {301, "Moved Permanently"},
    {302, "Found"},
    {303, "See Other"},
    {304, "Not Modified"},
    {307, "Temporary Redirect"},
    {308, "Permanent Redirect"},
    {400, "Bad Request"},
    {401, "Unauthorized"},
    {403, "Forbidden"},
    {404, "Not Found"},
    {405, "Method Not Allowed"},
    {406, "Not Acceptable"},
    {408, "Request Timeout"},
    {410, "Gone"},
    {429, "Too Many Requests"},
    {451, "Unavailable For Legal Reasons"},
    {500, "Internal Server Error"},
    {501, "Not Implemented"},
    {502, "Bad Gateway"},
    {503, "Service Unavailable"},
    {504, "Gateway Timeout"},
};

// How many characters of a server's own words are shown.
constexpr int ShownReasonLength = 40;

QString sizeText(qint64 bytes)
{
    return QStringLiteral("%1 KB").arg((bytes + 1023) / 1024);
}

} // namespace

AddressCheck checkFetchAddress(const QString &address)
{
    const QString text = address.trimmed();
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    const QString host = url.host().toLower();
    if ((scheme == QLatin1String("https") || scheme == QLatin1String("http")) && (!url.isValid() || host.isEmpty()))
        return {{}, QStringLiteral("The results address %1 is not a web address Drawsmith can fetch.").arg(shown(text))};
    const bool local = host == QLatin1String("127.0.0.1") || host == QLatin1String("::1")
        || host == QLatin1String("localhost");
    if (scheme == QLatin1String("https") || (scheme == QLatin1String("http") && local))
        return {url, {}};
    return {{}, QStringLiteral("Drawsmith fetches results only from secure (https:) addresses, so it did not fetch %1.")
                    .arg(shown(text))};
}

bool namesResultsFile(const QUrl &url)
{
    const QString path = url.path().toLower();
    return path.endsWith(QLatin1String(".csv")) || path.endsWith(QLatin1String(".txt"));
}

UpdatePlan planUpdate(Game game, const WebLink &record1)
{
    const QString address = downloadAddressOf(game, record1);
    // Where the official download is a results page, not a file (the Irish
    // Lottery's), only an address of the player's own that names a file is
    // fetched.
    if (!gameInfo(game).downloadIsFile && !namesResultsFile(QUrl(address))) {
        UpdatePlan plan;
        plan.kind = UpdatePlan::OfferDownload;
        plan.text = QStringLiteral("The Irish Lottery publishes no results file for Drawsmith to fetch, only a "
                                   "results page. Would you like to open that page with \"Download Results File\" "
                                   "instead?");
        return plan;
    }
    const AddressCheck check = checkFetchAddress(address);
    if (!check.refusal.isEmpty())
        return {UpdatePlan::Refuse, {}, check.refusal};
    return {UpdatePlan::Fetch, check.url, {}};
}

QString statusText(int status, const QByteArray &reason)
{
    for (const StatusWords &s : UsualWords)
        if (s.status == status)
            return QStringLiteral("%1 %2").arg(status).arg(QLatin1String(s.words));
    // The server's own words: printable characters only, and not too many.
    QString words;
    for (char c : reason) {
        if (words.size() >= ShownReasonLength)
            break;
        if (c >= 0x20 && c < 0x7f)
            words += QLatin1Char(c);
    }
    words = words.trimmed();
    return words.isEmpty() ? QString::number(status) : QStringLiteral("%1 %2").arg(status).arg(words);
}

QString transferFailure(const TransferOutcome &o)
{
    using Kind = TransferOutcome::Kind;
    const QString host = shown(o.address.host());
    switch (o.kind) {
    case Kind::Fetched:
        return {};
    case Kind::HostNotFound:
        return QStringLiteral("The results server %1 could not be reached. Check that this computer is connected "
                              "to the internet.")
            .arg(host);
    case Kind::Refused:
        return QStringLiteral("The results server %1 refused the connection.").arg(host);
    case Kind::SecureFailed:
        return QStringLiteral("The secure connection to %1 could not be trusted, so nothing was fetched (%2).")
            .arg(host, o.detail);
    case Kind::Status:
        return QStringLiteral("The results server answered %1.").arg(statusText(o.status, o.reason));
    case Kind::Stalled: {
        const qint64 seconds = std::max<qint64>(1, (o.stallMs + 999) / 1000);
        return QStringLiteral("The results server sent nothing for %1 %2, so Drawsmith stopped waiting.")
            .arg(seconds)
            .arg(seconds == 1 ? QStringLiteral("second") : QStringLiteral("seconds"));
    }
    case Kind::TooLarge:
        return QStringLiteral("The file on the results server is larger than %1 MB, too large to be a results file.")
            .arg(o.limit / (1024 * 1024));
    case Kind::Cut:
        return QStringLiteral("The connection to the results server was closed before the whole file had arrived.");
    case Kind::RedirectRefused:
        return QStringLiteral("The results server sent Drawsmith on to %1, which is not a secure (https:) address, "
                              "so nothing was fetched.")
            .arg(shown(o.address.toString()));
    case Kind::Cancelled:
        return QStringLiteral("The update was cancelled. Nothing was changed.");
    case Kind::Failed:
        break;
    }
    return QStringLiteral("The results could not be fetched from %1 (%2).").arg(host, o.detail);
}

QString bodyRefusal(const QByteArray &body)
{
    qsizetype at = body.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (at < body.size() && (body[at] == ' ' || body[at] == '\t' || body[at] == '\r' || body[at] == '\n'))
        ++at;
    if (at == body.size())
        return QStringLiteral("The results server sent an empty file.");
    if (body[at] == '<') {
        return QStringLiteral("The results server sent a web page, not a results file. The address kept in "
                              "weblinks.dat may be out of date.");
    }
    return {};
}

QString fetchingText(Game game, const QUrl &address)
{
    return QStringLiteral("Fetching the %1 results from %2").arg(gameInfo(game).displayName(), shown(address.host()));
}

QString progressText(qint64 received, qint64 total)
{
    if (total > 0)
        return QStringLiteral("%1 of %2 received").arg(sizeText(received), sizeText(total));
    return QStringLiteral("%1 received").arg(sizeText(received));
}

QString newestStoredText(Game game, const QString &programFolder)
{
    const EraFilesRead read = readEraFiles(game, programFolder);
    if (read.unreadable)
        return {};
    const HeldDraws held = heldDraws(game, read.files);
    if (held.draws.empty())
        return {};
    const HeldDraw &d = held.draws.back();
    return QStringLiteral("Newest %1 now stored: %2%3.")
        .arg(thunderFormat(game) ? QStringLiteral("result") : QStringLiteral("draw"),
             dateDisplayText(d.date % 100, d.date / 100 % 100, d.date / 10000),
             d.draw == 2 ? QStringLiteral(", draw 2") : QString());
}

UpdateResult finishUpdate(const TransferOutcome &outcome, Game game, const QString &programFolder)
{
    UpdateResult out;
    out.cancelled = outcome.kind == TransferOutcome::Kind::Cancelled;
    out.text = transferFailure(outcome);
    if (!out.text.isEmpty())
        return out;
    out.text = bodyRefusal(outcome.body);
    if (!out.text.isEmpty())
        return out;
    const ImportReport report = importResults(outcome.body, game, programFolder);
    out.text = report.text();
    out.imported = report.succeeded();
    if (out.imported) {
        const QString newest = newestStoredText(game, programFolder);
        if (!newest.isEmpty())
            out.text += QLatin1Char('\n') + newest;
    }
    return out;
}

} // namespace ds::links
