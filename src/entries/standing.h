#pragma once

#include <QObject>
#include <QString>

namespace ds {

class MainWindow;
struct AppState;

// The "Standing Entry" menu: one standing entry file per game.
class StandingEntryController : public QObject {
    Q_OBJECT
public:
    explicit StandingEntryController(MainWindow &main);

    void save();
    void open();

    // The standing entry file of the current game, as spelled on disk when it
    // exists under another letter case.
    static QString standingPath(const AppState &state);

private:
    MainWindow &m_main;
};

inline const QString NoStandingEntryMessage = QStringLiteral(
    "You have not created a standing entry, use the Change command, set up your entries and then use Save as Standing Entry.");

} // namespace ds
