#include "platform/qtdesktop.h"

#include "platform/systemtools.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWidget>

namespace ds {

// ---- Browser ----------------------------------------------------------------

namespace {

// Whether the desktop offers anything to open addresses with. Windows and
// macOS always do; elsewhere addresses go through xdg-open or $BROWSER.
bool desktopHasOpener()
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    return !QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()
        || !qEnvironmentVariableIsEmpty("BROWSER") || !qEnvironmentVariableIsEmpty("DEFAULT_BROWSER");
#endif
}

} // namespace

OpenResult QtBrowser::open(const QUrl &address)
{
    if (!address.isValid() || address.isEmpty())
        return OpenResult::NotOpened;
    if (address.isLocalFile() && !QFileInfo::exists(address.toLocalFile()))
        return OpenResult::NotOpened;
    if (!desktopHasOpener())
        return OpenResult::NoBrowser;
    return QDesktopServices::openUrl(address) ? OpenResult::Opened : OpenResult::NotOpened;
}

// ---- Help viewer ------------------------------------------------------------

QtHelpViewer::QtHelpViewer(QString helpFolder) : m_folder(std::move(helpFolder)) {}

QtHelpViewer::~QtHelpViewer()
{
    delete m_window.data();
}

QWidget *QtHelpViewer::window() const
{
    return m_window.data();
}

void QtHelpViewer::build()
{
    // A dialog, so that Esc closes it; it blocks nothing.
    auto *w = new QDialog(nullptr, Qt::Window);
    w->setObjectName(QStringLiteral("helpWindow"));
    w->setWindowTitle(QStringLiteral("Drawsmith Help"));
    w->resize(760, 620);

    m_view = new QTextBrowser;
    m_view->setObjectName(QStringLiteral("helpText"));
    m_view->setOpenExternalLinks(true);
    m_view->setSearchPaths({m_folder});

    auto *contents = new QPushButton(QStringLiteral("Contents"));
    contents->setObjectName(QStringLiteral("helpContents"));
    auto *back = new QPushButton(QStringLiteral("Back"));
    back->setObjectName(QStringLiteral("helpBack"));
    auto *forward = new QPushButton(QStringLiteral("Forward"));
    forward->setObjectName(QStringLiteral("helpForward"));
    auto *close = new QPushButton(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("helpClose"));
    back->setEnabled(false);
    forward->setEnabled(false);
    // Enter belongs to the page (following a link), not to a button.
    for (QPushButton *b : {contents, back, forward, close})
        b->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto *lay = new QVBoxLayout(w);
    lay->addLayout(buttons);
    lay->addWidget(m_view, 1);

    QObject::connect(contents, &QPushButton::clicked, w, [this] { showHelp(QStringLiteral("index")); });
    QObject::connect(back, &QPushButton::clicked, m_view, &QTextBrowser::backward);
    QObject::connect(forward, &QPushButton::clicked, m_view, &QTextBrowser::forward);
    QObject::connect(m_view, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    QObject::connect(m_view, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    QObject::connect(close, &QPushButton::clicked, w, &QWidget::close);
    m_window = w;
}

bool QtHelpViewer::showHelp(const QString &topic)
{
    if (!m_window)
        build();
    const QString page = QDir(m_folder).filePath(topic + QStringLiteral(".html"));
    const bool found = QFileInfo::exists(page);
    if (found) {
        m_view->setSource(QUrl::fromLocalFile(page));
    } else {
        m_view->setHtml(QStringLiteral("<h2>Help not found</h2><p>The help page %1 is not in the folder %2. "
                                       "Reinstalling Drawsmith puts the help pages back.</p>")
                            .arg((topic + QStringLiteral(".html")).toHtmlEscaped(),
                                 QDir::toNativeSeparators(m_folder).toHtmlEscaped()));
    }
    present();
    return found;
}

bool QtHelpViewer::showPage(const QString &filePath)
{
    QFile page(filePath);
    if (!QFileInfo(filePath).isFile() || !page.open(QIODevice::ReadOnly))
        return false;
    page.close();
    if (!m_window)
        build();
    m_view->setSource(QUrl::fromLocalFile(filePath));
    present();
    return true;
}

void QtHelpViewer::present()
{
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

// ---- System information -----------------------------------------------------

bool QtSystemInfo::start()
{
#if defined(Q_OS_WIN)
    systemtools::WindowsToolRecord record;
    record.path = QSettings(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                            QSettings::NativeFormat)
                      .value(QStringLiteral("PATH"))
                      .toString();
    record.folder = QSettings(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location"),
                              QSettings::NativeFormat)
                        .value(QStringLiteral("MSINFO"))
                        .toString();
    if (const auto exe = systemtools::windowsTool(record, [](const QString &f) { return QFileInfo::exists(f); }))
        return QProcess::startDetached(*exe, {});
#endif
    const auto locate = [](const QString &program) -> QString {
        if (QDir::isAbsolutePath(program))
            return QFileInfo::exists(program) ? program : QString();
        return QStandardPaths::findExecutable(program);
    };
    const auto tool = systemtools::findTool(systemtools::desktopTools(), locate);
    if (!tool)
        return false;
#if defined(Q_OS_MACOS)
    return QProcess::startDetached(QStringLiteral("open"), {QStringLiteral("-a"), tool->program});
#else
    return QProcess::startDetached(tool->program, tool->arguments);
#endif
}

} // namespace ds
