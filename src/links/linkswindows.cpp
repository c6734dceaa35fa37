#include "links/linkswindows.h"

#include "core/filenames.h"
#include "links/about.h"
#include "links/linkactions.h"
#include "widgets/controls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace ds {

// ---- "Maintain Links" -------------------------------------------------------

MaintainLinksWindow::MaintainLinksWindow()
{
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("Maintain Links"));

    auto *explain = named(new QLabel(QStringLiteral(
                              "Up to three web links of your own can be kept here. The Menu Caption you enter "
                              "appears on the Web Links menu; the box after it holds the link's address, a web "
                              "address or a file on this computer.")),
                          "Label1");
    explain->setWordWrap(true);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Menu Caption")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Address")), 0, 1);
    for (int i = 0; i < 3; ++i) {
        auto *caption = new QLineEdit;
        caption->setObjectName(QStringLiteral("Text%1").arg(2 * i + 1));
        caption->setMaxLength(links::CaptionWidth);
        caption->setFixedWidth(caption->fontMetrics().averageCharWidth() * (links::CaptionWidth + 4));
        auto *address = new QLineEdit;
        address->setObjectName(QStringLiteral("Text%1").arg(2 * i + 2));
        address->setMaxLength(links::AddressWidth);
        address->setMinimumWidth(320);
        grid->addWidget(caption, i + 1, 0);
        grid->addWidget(address, i + 1, 1);
        m_caption[static_cast<size_t>(i)] = caption;
        m_address[static_cast<size_t>(i)] = address;
    }
    grid->setColumnStretch(1, 1);

    // Closing stores the links, so it is the confirming action Enter runs.
    auto *close = button("Command1", QStringLiteral("Close"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &MaintainLinksWindow::closeWindow);

    auto *lay = new QVBoxLayout(this);
    lay->addWidget(explain);
    lay->addLayout(grid);
    lay->addStretch(1);
    lay->addWidget(close, 0, Qt::AlignRight);
}

void MaintainLinksWindow::setLinks(const links::OwnLinks &own)
{
    for (int i = 0; i < 3; ++i) {
        m_caption[static_cast<size_t>(i)]->setText(own[static_cast<size_t>(i)].caption);
        m_address[static_cast<size_t>(i)]->setText(own[static_cast<size_t>(i)].address);
    }
    m_caption[0]->setFocus();
}

links::OwnLinks MaintainLinksWindow::links() const
{
    links::OwnLinks own;
    for (int i = 0; i < 3; ++i)
        own[static_cast<size_t>(i)] = {m_caption[static_cast<size_t>(i)]->text(),
                                       m_address[static_cast<size_t>(i)]->text()};
    return own;
}

void MaintainLinksWindow::closeWindow()
{
    emit closing();
    giveBack();
}

// ---- About ------------------------------------------------------------------

namespace {

// The program's picture: a lottery ball.
QPixmap ballPicture()
{
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 16, 46));
    p.drawEllipse(2, 2, 60, 60);
    p.setBrush(Qt::white);
    p.drawEllipse(16, 16, 32, 32);
    p.setPen(Qt::black);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(16);
    p.setFont(f);
    p.drawText(QRect(16, 16, 32, 32), Qt::AlignCenter, QStringLiteral("49"));
    return pm;
}

} // namespace

AboutWindow::AboutWindow(const QString &folderRule)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(about::windowCaption());

    auto *icon = named(new QLabel, "picIcon");
    icon->setPixmap(ballPicture());
    auto *title = named(new QLabel(QString::fromLatin1(about::ApplicationTitle)), "lblTitle");
    QFont tf = title->font();
    tf.setBold(true);
    tf.setPointSizeF(tf.pointSizeF() * 1.3);
    title->setFont(tf);
    auto *version = named(new QLabel(about::versionText(about::programVersion())), "lblVersion");
    auto *disclaimer = named(new QLabel(QString::fromLatin1(about::Disclaimer)), "lblDisclaimer");
    disclaimer->setWordWrap(true);
    auto *folder = named(new QLabel(folderRule), "lblFolder");
    folder->setWordWrap(true);
    folder->setVisible(!folderRule.isEmpty());

    auto *ok = button("cmdOK", QStringLiteral("OK"));
    ok->setDefault(true);
    auto *sysInfo = button("cmdSysInfo", QStringLiteral("&System Info..."));
    auto *openFolder = button("cmdFolder", QStringLiteral("Open Program &Folder"),
                              QStringLiteral("Shows the folder that holds your draws and entries."));
    connect(ok, &QPushButton::clicked, this, &AboutWindow::closeWindow);
    connect(sysInfo, &QPushButton::clicked, this, &AboutWindow::systemInfoRequested);
    connect(openFolder, &QPushButton::clicked, this, &AboutWindow::folderRequested);

    auto *head = new QHBoxLayout;
    head->addWidget(icon, 0, Qt::AlignTop);
    auto *texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(version);
    texts->addWidget(folder);
    texts->addWidget(openFolder, 0, Qt::AlignLeft);
    head->addLayout(texts, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    buttons->addStretch(1);
    auto *foot = new QHBoxLayout;
    foot->addWidget(disclaimer, 1);
    foot->addLayout(buttons);
    auto *lay = new QVBoxLayout(this);
    lay->addLayout(head);
    lay->addLayout(foot);
    setMinimumWidth(480);
}

// ---- Controller -------------------------------------------------------------

LinksController::LinksController(AppState &state, const Platform &platform, QWidget *window, QObject *parent)
    : QObject(parent), m_state(state), m_platform(platform), m_window(window)
{
}

LinksController::~LinksController() = default;

void LinksController::loadMenu()
{
    const FileRead<links::WebLinks> loaded = links::loadLinks(links::linksFilePath(m_state.programFolder));
    // An unreadable file gives no links: the first two entries keep the
    // program's own captions and pages.
    m_links = loaded.value;
    emit menuChanged(links::menuEntries(m_links));
    if (!loaded.usable())
        m_platform.dialogs->message(QString::fromLatin1(links::MsgLinksUnreadable));
}

void LinksController::downloadResults(Game game)
{
    links::downloadResults(game, m_state.programFolder, *m_platform.dialogs, *m_platform.browser);
}

void LinksController::openEntry(int k)
{
    if (k == 1) {
        downloadResults(m_state.game());
        return;
    }
    links::openAddress(links::entryAddress(m_links, k), m_state.programFolder, *m_platform.dialogs,
                       *m_platform.browser, *m_platform.help);
}

void LinksController::maintainLinks()
{
    // The boxes show what the file holds now.
    const links::WebLinks current = links::loadLinks(links::linksFilePath(m_state.programFolder)).value;
    if (!m_maintain) {
        m_maintain = std::make_unique<MaintainLinksWindow>();
        connect(m_maintain.get(), &MaintainLinksWindow::closing, this, &LinksController::storeLinks);
    }
    links::OwnLinks own;
    for (int i = 0; i < links::OwnLinkCount; ++i)
        own[static_cast<size_t>(i)] = current[static_cast<size_t>(links::FirstOwnLink - 1 + i)];
    m_maintain->setLinks(own);
    m_maintain->openOver(m_window, OpenerMode::Disable);
}

void LinksController::storeLinks()
{
    const links::SavedLinks saved =
        links::saveOwnLinks(links::linksFilePath(m_state.programFolder), m_maintain->links());
    // The menu offers the links as stored, for this run at least.
    for (int i = 0; i < links::OwnLinkCount; ++i)
        m_links[static_cast<size_t>(links::FirstOwnLink - 1 + i)] = saved.stored[static_cast<size_t>(i)];
    emit menuChanged(links::menuEntries(m_links));
    if (!saved.saved) {
        m_platform.dialogs->warning(
            QStringLiteral("Maintain Links"),
            QStringLiteral("The links could not be saved in %1. The Web Links menu offers them until Drawsmith "
                           "is closed.")
                .arg(files::WebLinks));
    }
}

void LinksController::showContents()
{
    links::showContents(*m_platform.help);
}

void LinksController::showAbout()
{
    if (!m_about) {
        m_about = std::make_unique<AboutWindow>(m_state.programFolderRule);
        connect(m_about.get(), &AboutWindow::systemInfoRequested, this,
                [this] { links::showSystemInfo(*m_platform.systemInfo, *m_platform.dialogs); });
        connect(m_about.get(), &AboutWindow::folderRequested, this,
                [this] { links::openFolder(m_state.programFolder, *m_platform.dialogs, *m_platform.browser); });
    }
    m_about->openOver(m_window, OpenerMode::Hide);
}

} // namespace ds
