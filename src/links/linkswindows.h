#pragma once

#include "core/appstate.h"
#include "links/weblinks.h"
#include "platform/platform.h"
#include "widgets/childwindow.h"

#include <QObject>
#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ds {

// The "Maintain Links" window: the caption and address of the player's three
// links. "Close" (and Esc, and the title-bar close) stores them.
class MaintainLinksWindow : public ChildWindow {
    Q_OBJECT
public:
    MaintainLinksWindow();

    // Puts the three links into their pairs of boxes.
    void setLinks(const links::OwnLinks &own);
    links::OwnLinks links() const;

    // Close, Esc and the title-bar close: the links are stored (closing()),
    // then the opener is given back.
    void closeWindow() override;

signals:
    void closing();

private:
    std::array<QLineEdit *, 3> m_caption{};
    std::array<QLineEdit *, 3> m_address{};
};

// The About window: title, version, disclaimer, "OK" and "&System Info...".
// `folderRule` says which program folder this run uses; "Open Program
// Folder" asks for it to be shown on the desktop.
class AboutWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit AboutWindow(const QString &folderRule = {});

signals:
    void systemInfoRequested();
    void folderRequested();
};

// The "Web Links" menu, "Contents" and "About" of the window that offers
// them. The window wires its menu entries to these slots and shows the menu
// entries as menuChanged() gives them.
class LinksController : public QObject {
    Q_OBJECT
public:
    // The "Maintain Links" window opens over `window` (disabled meanwhile),
    // the About window in its place (hidden meanwhile).
    LinksController(AppState &state, const Platform &platform, QWidget *window, QObject *parent = nullptr);
    ~LinksController() override;

    // Reads the links file and gives the five menu entries (start-up); a file
    // that cannot be read is said so.
    void loadMenu();
    // Entry k (1 to 5) of the "Web Links" menu: 1 downloads the results of
    // the current lotto game, 2 to 5 open their link.
    void openEntry(int k);
    // A results download for the game, as "Download Results File" does for
    // the current lotto game; the Thunderball window's "Download Results"
    // comes here with Game::Thunderball.
    void downloadResults(Game game);
    void maintainLinks();   // "Maintain Links"
    void showContents();    // "Contents"
    void showAbout();       // "About"

signals:
    // The captions and visibility of the five "Web Links" entries.
    void menuChanged(const std::array<ds::links::MenuEntry, ds::links::LinkCount> &entries);

private:
    void storeLinks();

    AppState &m_state;
    Platform m_platform;
    QWidget *m_window;
    links::WebLinks m_links;
    std::unique_ptr<MaintainLinksWindow> m_maintain;
    std::unique_ptr<AboutWindow> m_about;
};

} // namespace ds
