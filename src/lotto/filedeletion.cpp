#include "lotto/filedeletion.h"

#include "core/appstate.h"
#include "entries/entryframes.h"
#include "entries/entrylistview.h"
#include "lotto/drawframe.h"
#include "lotto/lottoplans.h"
#include "widgets/controls.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ds {

namespace {

// The files offered for deletion: entry files and results files, whatever the
// letter case of their extension.
const QStringList FilePattern = {QStringLiteral("*.lot"), QStringLiteral("*.res")};

} // namespace

FileDeletionWindow::FileDeletionWindow(const Platform &platform, DrawFrame &draw)
    : m_platform(platform), m_draw(draw)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("File Deletion"));

    m_label = new QLabel(QStringLiteral("Click on the file you want to delete and use the Delete command."));
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setWordWrap(true);

    m_files = new QListWidget;
    m_files->setObjectName(QStringLiteral("File1"));
    m_files->setSelectionMode(QAbstractItemView::SingleSelection);
    m_files->setMinimumSize(260, 240);

    // No default button: Enter never deletes a file.
    m_delete = button("Command3", QStringLiteral("Delete"), QStringLiteral("Use this to delete the selected file."));
    m_close = button("Command1", QStringLiteral("Close"), QStringLiteral("Closes the file deletion form."));

    auto *lay = new QVBoxLayout(this);
    lay->addWidget(m_label);
    lay->addWidget(m_files);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_delete);
    buttons->addWidget(m_close);
    lay->addLayout(buttons);

    connect(m_delete, &QPushButton::clicked, this, &FileDeletionWindow::onDelete);
    connect(m_close, &QPushButton::clicked, this, &FileDeletionWindow::onClose);
}

void FileDeletionWindow::setFolder(const QString &folder)
{
    m_folder = folder;
}

void FileDeletionWindow::refresh()
{
    m_files->clear();
    if (m_folder.isEmpty())
        return;
    const QDir dir(m_folder);
    // Name filters match without regard to case unless asked otherwise.
    m_files->addItems(dir.entryList(FilePattern, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void FileDeletionWindow::clearConfirmations()
{
    m_selectionsConfirmed = false;
    m_resultsConfirmed = false;
}

bool FileDeletionWindow::remove(const QString &name) const
{
    const QString path = QDir(m_folder).filePath(name);
    // A file marked read-only is refused, as the desktop would refuse it.
    if (!(QFile::permissions(path) & QFileDevice::WriteOwner))
        return false;
    return QFile::remove(path);
}

void FileDeletionWindow::onDelete()
{
    Dialogs &dialogs = *m_platform.dialogs;
    const QList<QListWidgetItem *> selected = m_files->selectedItems();
    if (selected.isEmpty()) {
        dialogs.message(QStringLiteral("You have not selected a file for deletion"));
        return;
    }
    const QString name = selected.front()->text();
    const DeletedFileKind kind = deletedFileKind(name);
    const bool resultsFile = kind == DeletedFileKind::Results;
    bool &confirmed = resultsFile ? m_resultsConfirmed : m_selectionsConfirmed;
    if (!confirmed && !dialogs.ask(deletionQuestion(kind)))
        return;
    if (!remove(name)) {
        dialogs.message(QStringLiteral("This file cannot be deleted until your PC has been restarted."));
        return;
    }
    if (resultsFile)
        m_draw.clearBallCaptions();
    refresh();
    confirmed = true;
}

void FileDeletionWindow::onClose()
{
    m_draw.clearBallCaptions();
    giveBack();
}

void FileDeletionWindow::closeWindow()
{
    onClose();
}

FileMaintenanceController::FileMaintenanceController(DrawFrame &draw, EntryListView &list,
                                                     WinningFrame &winning, AppState &state, const Platform &platform,
                                                     QWidget *window, QObject *parent)
    : QObject(parent), m_draw(draw), m_list(list), m_winning(winning), m_state(state),
      m_platform(platform), m_window(window)
{
}

FileMaintenanceController::~FileMaintenanceController() = default;

void FileMaintenanceController::fileMaintenance()
{
    if (!m_platform.dialogs->ask(QStringLiteral("All files will be closed, do you want to continue?")))
        return;

    // No file stays open between actions, so there is nothing to close.
    m_draw.hideBalls();
    m_draw.hideNumbers();
    if (!m_deletion) {
        m_deletion = std::make_unique<FileDeletionWindow>(m_platform, m_draw);
        // Back from maintenance the player can change the date and maintain
        // entries again.
        connect(m_deletion.get(), &ChildWindow::givenBack, this, [this] { m_list.leaveMaintainMode(); });
    }
    m_deletion->setFolder(m_state.programFolder);

    // A file about to be deleted may be the one on show: drop everything shown.
    m_list.closeFile();
    m_list.leaveMaintainMode();
    m_list.setChangeEnabled(false);
    m_winning.clearLines();
    m_draw.clearDraw();

    m_deletion->openOver(m_window, OpenerMode::Disable);
    m_deletion->refresh();
    m_deletion->clearConfirmations();
}

} // namespace ds
