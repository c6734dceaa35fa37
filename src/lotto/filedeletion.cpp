#include "lotto/filedeletion.h"

#include "lotto/mainwindow.h"

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

FileDeletionWindow::FileDeletionWindow(MainWindow &main) : m_main(main)
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

    m_delete = new QPushButton(QStringLiteral("Delete"));
    m_delete->setObjectName(QStringLiteral("Command3"));
    m_delete->setToolTip(QStringLiteral("Use this to delete the selected file."));
    m_close = new QPushButton(QStringLiteral("Close"));
    m_close->setObjectName(QStringLiteral("Command1"));
    m_close->setToolTip(QStringLiteral("Closes the file deletion form."));

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
    Dialogs &dialogs = *m_main.platform().dialogs;
    const QList<QListWidgetItem *> selected = m_files->selectedItems();
    if (selected.isEmpty()) {
        dialogs.message(QStringLiteral("You have not selected a file for deletion"));
        return;
    }
    const QString name = selected.front()->text();
    const bool resultsFile = name.contains(QStringLiteral(".exe"), Qt::CaseSensitive);
    bool &confirmed = resultsFile ? m_resultsConfirmed : m_selectionsConfirmed;
    if (!confirmed) {
        const QString question = resultsFile
            ? QStringLiteral("This is a results file. Are you sure you want to delete it?")
            : QStringLiteral("Are you sure you want to delete this lottery selection file?");
        if (!dialogs.ask(question))
            return;
    }
    if (!remove(name)) {
        dialogs.message(QStringLiteral("This file cannot be deleted until your PC has been restarted."));
        return;
    }
    if (resultsFile)
        m_main.clearBallCaptions();
    refresh();
    confirmed = true;
}

void FileDeletionWindow::onClose()
{
    m_main.clearBallCaptions();
    hide();
    m_main.ui().Command2->setEnabled(true);
    m_main.returnToMain();
}

void FileDeletionWindow::closeWindow()
{
    onClose();
}

FileMaintenanceController::FileMaintenanceController(MainWindow &main) : QObject(&main), m_main(main)
{
    connect(main.ui().mnuFileMaintenance, &QAction::triggered, this,
            &FileMaintenanceController::fileMaintenance);
}

FileMaintenanceController::~FileMaintenanceController() = default;

void FileMaintenanceController::fileMaintenance()
{
    if (!m_main.platform().dialogs->ask(QStringLiteral("All files will be closed, do you want to continue?")))
        return;

    // No file stays open between actions, so there is nothing to close.
    m_main.hideBalls();
    m_main.hideNumbers();
    if (!m_window)
        m_window = std::make_unique<FileDeletionWindow>(m_main);
    m_window->setFolder(m_main.state().programFolder);

    // A file about to be deleted may be the one on show: drop everything shown.
    MainUi &ui = m_main.ui();
    AppState &state = m_main.state();
    ui.List2->clear();
    ui.List1->clear();
    ui.Text1->clear();
    ui.Text2->clear();
    ui.Text3->clear();
    ui.Command11->hide();
    ui.Command3->show();
    state.entryCount = 0;
    state.currentEntryFile.clear();
    ui.Frame4->hide();

    m_main.setEnabled(false);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    m_window->refresh();
    m_window->clearConfirmations();
}

} // namespace ds
