#pragma once

#include "thunderball/resultsfile.h"
#include "platform/platform.h"
#include "widgets/childwindow.h"

#include <QDate>
#include <memory>
#include <optional>

class QLabel;
class QListWidget;
class QSlider;
class QPushButton;
class QAction;

namespace ds {

namespace thunder {
struct ThunderView;
}

class BallRow;
class MonthCalendar;
class ResultEntryWindow;
class MaintainEntriesWindow;
class ThunderStatistics;
class ThunderPrintController;

// The Thunderball manager: the results of the calendar's date, the entries of
// that date with the weeks they cover, and their wins week by week.
class ThunderballWindow : public ChildWindow {
    Q_OBJECT
public:
    ThunderballWindow(const QString &programFolder, const Platform &platform);
    ~ThunderballWindow() override;

    // Opens over the main window (minimised meanwhile) on today's date.
    void openFrom(QWidget *mainWindow);

    // The refresh routine: result, entries and check of the calendar date.
    void refresh();

    void addResult();      // "Add" of "Draw Result"
    void deleteResult();   // "Delete" of "Draw Result"
    void deleteEntry();    // "Delete" of "Selections"
    void maintain();       // "Maintain"
    void weeksChanged(int weeks); // the slider
    void openStatistics(); // "Statistics"
    void importResults();  // "Import Results..."

    MonthCalendar *calendar() const { return m_calendar; }
    ResultEntryWindow *resultEntry() const { return m_resultEntry.get(); }
    MaintainEntriesWindow *maintainWindow() const { return m_maintain.get(); }
    ThunderStatistics *statistics() const { return m_stats.get(); }
    ThunderPrintController *printing() const { return m_print.get(); }

signals:
    // "Download Results": the official Thunderball results download.
    void downloadRequested();
    // "Update Results": the official results file fetched and imported.
    void updateRequested();
    // "Export Results...": the results written to a file of the player's.
    void exportRequested();

private:
    QDate calendarDate() const;
    bool resultShown() const;
    // The show-result routine: the result of the calendar date, or none.
    void showResult();
    void showResult(const std::optional<ThunderResult> &result);
    // Sets the slider without taking it for the player's change.
    void setSlider(int weeks);
    // The check of the view into the results list and the win total.
    void showCheck(const thunder::ThunderView &v);

    QString m_folder;
    Platform m_platform;
    MonthCalendar *m_calendar = nullptr;
    BallRow *m_balls = nullptr;
    QListWidget *m_selections = nullptr; // List1
    QListWidget *m_results = nullptr;    // List2
    QSlider *m_slider = nullptr;
    QLabel *m_weeks = nullptr;           // Label11
    QLabel *m_entries = nullptr;         // Label9
    QLabel *m_winTotal = nullptr;        // Label8
    QAction *m_printTickets = nullptr;   // mnutickets: eras with a ticket layout
    int m_weeksShown = 0; // the weeks of the label, as last loaded
    std::unique_ptr<ResultEntryWindow> m_resultEntry;
    std::unique_ptr<MaintainEntriesWindow> m_maintain;
    std::unique_ptr<ThunderStatistics> m_stats;
    std::unique_ptr<ThunderPrintController> m_print;
};

} // namespace ds
