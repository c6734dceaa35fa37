#include "links/resultsexchange.h"

#include "links/linkactions.h"
#include "links/resultsexport.h"
#include "links/resultsupdate.h"
#include "widgets/controls.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <algorithm>

namespace ds {

// ---- The progress dialog ------------------------------------------------------

UpdateProgressDialog::UpdateProgressDialog(QWidget *over, const QString &fetching) : QDialog(over)
{
    setObjectName(QStringLiteral("frmUpdate"));
    setWindowTitle(QStringLiteral("Update Results"));
    setWindowModality(over ? Qt::WindowModal : Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto *what = named(new QLabel(fetching), "Label1");
    what->setWordWrap(true);
    m_received = named(new QLabel(links::progressText(0, -1)), "Label2");
    m_bar = named(new QProgressBar, "ProgressBar1");
    m_bar->setRange(0, 0); // no size known yet
    m_bar->setTextVisible(false);
    // Stopping is no confirming action: Enter does not press it.
    m_cancel = button("cmdCancel", QStringLiteral("Cancel"), QStringLiteral("Stop the transfer; nothing is changed"));
    connect(m_cancel, &QPushButton::clicked, this, &UpdateProgressDialog::reject);

    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(m_cancel);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(what);
    lay->addWidget(m_bar);
    lay->addWidget(m_received);
    lay->addLayout(row);
    setMinimumWidth(360);
    m_cancel->setFocus();
}

void UpdateProgressDialog::setProgress(qint64 received, qint64 total)
{
    if (total > 0) {
        // The bar counts kilobytes, so that any size fits its range.
        m_bar->setRange(0, static_cast<int>((total + 1023) / 1024));
        m_bar->setValue(static_cast<int>(std::min(received, total) / 1024));
    }
    m_received->setText(links::progressText(received, total));
}

void UpdateProgressDialog::setCancelling()
{
    m_cancel->setEnabled(false);
    m_received->setText(QStringLiteral("Stopping..."));
}

void UpdateProgressDialog::reject()
{
    // Esc and the title-bar close come here too; the dialog stays until the
    // transfer has stopped.
    if (m_cancel->isEnabled())
        emit cancelRequested();
}

// ---- The controller ---------------------------------------------------------------

ResultsExchange::ResultsExchange(const AppState &state, const Platform &platform, QObject *parent)
    : QObject(parent), m_state(state), m_platform(platform)
{
}

ResultsExchange::~ResultsExchange()
{
    if (m_updating && m_platform.transfer)
        m_platform.transfer->cancel();
    delete m_progress.data();
}

void ResultsExchange::updateResults(Game game, QWidget *over)
{
    if (m_updating) {
        if (m_progress) {
            m_progress->raise();
            m_progress->activateWindow();
        }
        m_platform.dialogs->message(links::UpdateRunningText);
        return;
    }
    const QString folder = m_state.programFolder;
    // The links file is read afresh: it is the one place the addresses are kept.
    const links::UpdatePlan plan = links::planUpdate(game, links::loadLinks(links::linksFilePath(folder)).value[0]);
    switch (plan.kind) {
    case links::UpdatePlan::Refuse:
        m_platform.dialogs->message(plan.text);
        return;
    case links::UpdatePlan::OfferDownload:
        if (m_platform.dialogs->ask(plan.text))
            links::downloadResults(game, folder, *m_platform.dialogs, *m_platform.browser);
        return;
    case links::UpdatePlan::Fetch:
        break;
    }

    m_updating = true;
    m_progress = new UpdateProgressDialog(over, links::fetchingText(game, plan.address));
    connect(m_progress, &UpdateProgressDialog::cancelRequested, this, [this] {
        m_progress->setCancelling();
        m_platform.transfer->cancel();
    });
    m_progress->show();
    QPointer<ResultsExchange> self(this);
    QPointer<UpdateProgressDialog> progress(m_progress);
    m_platform.transfer->start(
        plan.address,
        [progress](qint64 received, qint64 total) {
            if (progress)
                progress->setProgress(received, total);
        },
        [self, game](const TransferOutcome &outcome) {
            if (self)
                self->transferEnded(game, outcome);
        });
}

void ResultsExchange::transferEnded(Game game, const TransferOutcome &outcome)
{
    if (m_progress) {
        m_progress->hide();
        m_progress->deleteLater();
    }
    m_updating = false;
    links::UpdateResult result;
    {
        BusyScope busy(*m_platform.dialogs);
        result = links::finishUpdate(outcome, game, m_state.programFolder);
    }
    if (result.imported) {
        m_platform.dialogs->inform(result.text);
        emit resultsUpdated(game);
    } else if (result.cancelled) {
        m_platform.dialogs->inform(result.text);
    } else {
        m_platform.dialogs->message(result.text);
    }
}

void ResultsExchange::exportResults(Game game)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = m_platform.dialogs->chooseSaveFile(
        QStringLiteral("Export Results"), QDir(folder).filePath(links::exportFileName(game)),
        QStringLiteral("Results files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    links::ExportResult result;
    {
        BusyScope busy(*m_platform.dialogs);
        result = links::exportResults(game, m_state.programFolder, path);
    }
    if (result.written)
        m_platform.dialogs->inform(result.text);
    else
        m_platform.dialogs->message(result.text);
}

} // namespace ds
