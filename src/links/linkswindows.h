#pragma once

#include "core/appstate.h"
#include "links/weblinks.h"
#include "platform/childwindow.h"
#include "platform/platform.h"

#include <QObject>
#include <array>
#include <memory>

class QAction;
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

    void closeWindow() override;

signals:
    // The player closed the window: store the links and give the opener back.
    void closing();

private:
    std::array<QLineEdit *, 3> m_caption{};
    std::array<QLineEdit *, 3> m_address{};
};

// The About window: title, version, disclaimer, "OK" and "&System Info...".
class AboutWindow : public ChildWindow {
    Q_OBJECT
public:
    AboutWindow();
    void closeWindow() override;

signals:
    void closing();
    void systemInfoRequested();
};

// The entries of the main window's "Web Links" and "Help" menus.
struct LinksMenu {
    std::array<QAction *, links::LinkCount> mnufree{};
    QAction *mnumaintainlinks = nullptr;
    QAction *mnuContents = nullptr;
    QAction *mnuAbout = nullptr;
};

// Loads the "Web Links" menu and runs its entries, "Contents" and "About"
// for the window that owns the menus.
class LinksController : public QObject {
    Q_OBJECT
public:
    LinksController(QWidget *owner, AppState &state, const Platform &platform, const LinksMenu &menu);
    ~LinksController() override;

    // Reads the links file and sets the five entries (start-up, and after
    // the links were maintained).
    void loadMenu();

    // A results download for the game, as "Download Results File" does for
    // the current lotto game; the Thunderball window's "Download Results"
    // calls it with Game::Thunderball.
    void downloadResults(Game game);

    const links::WebLinks &webLinks() const { return m_links; }
    MaintainLinksWindow *maintainWindow() const { return m_maintain.get(); }
    AboutWindow *aboutWindow() const { return m_about.get(); }

private:
    void applyMenu();
    void openEntry(int k);
    void maintainLinks();
    void storeLinks();
    void about();
    void closeAbout();
    void giveBack();

    QWidget *m_owner;
    AppState &m_state;
    Platform m_platform;
    LinksMenu m_menu;
    links::WebLinks m_links;
    std::unique_ptr<MaintainLinksWindow> m_maintain;
    std::unique_ptr<AboutWindow> m_about;
};

} // namespace ds
