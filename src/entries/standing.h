#pragma once

#include "platform/platform.h"

#include <QObject>
#include <QString>

namespace ds {

class EntryListView;
struct AppState;

// The "Standing Entry" menu: one standing entry file per game.
class StandingEntryController : public QObject {
    Q_OBJECT
public:
    StandingEntryController(EntryListView &list, AppState &state, const Platform &platform,
                            QObject *parent = nullptr);

    void save();
    void open();

    // The standing entry file of the current game, as spelled on disk when it
    // exists under another letter case.
    static QString standingPath(const AppState &state);

private:
    EntryListView &m_list;
    AppState &m_state;
    Platform m_platform;
};

} // namespace ds
