#pragma once

#include "core/appstate.h"
#include "platform/platform.h"

#include <QDialog>
#include <QObject>
#include <QPointer>

class QLabel;
class QProgressBar;
class QPushButton;

namespace ds {

// The progress of "Update Results" (frmUpdate): what is fetched from where,
// how much has arrived, and "Cancel". The window it opens over stays
// disabled meanwhile; the program goes on drawing. Cancel, Esc and the
// title-bar close all ask for the transfer to stop; the dialog closes when
// the transfer has ended.
class UpdateProgressDialog : public QDialog {
    Q_OBJECT
public:
    UpdateProgressDialog(QWidget *over, const QString &fetching);

    void setProgress(qint64 received, qint64 total);
    // Cancel was asked for; the transfer has yet to end.
    void setCancelling();

    void reject() override;

signals:
    void cancelRequested();

private:
    QLabel *m_received = nullptr;
    QProgressBar *m_bar = nullptr;
    QPushButton *m_cancel = nullptr;
};

// "Update Results" and "Export Results..." of the main window (the current
// lotto game) and of the Thunderball window.
class ResultsExchange : public QObject {
    Q_OBJECT
public:
    ResultsExchange(const AppState &state, const Platform &platform, QObject *parent = nullptr);
    ~ResultsExchange() override;

    // Fetches the game's results file and imports it; the progress dialog
    // opens over `over`. One update runs at a time.
    void updateResults(Game game, QWidget *over);
    // Writes the game's draws to a file the player names.
    void exportResults(Game game);

    bool updating() const { return m_updating; }

signals:
    // An update brought its file in (whether or not it added anything).
    void resultsUpdated(ds::Game game);

private:
    void transferEnded(Game game, const TransferOutcome &outcome);

    const AppState &m_state;
    Platform m_platform;
    QPointer<UpdateProgressDialog> m_progress;
    bool m_updating = false;
};

} // namespace ds
