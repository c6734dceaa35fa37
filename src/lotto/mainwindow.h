#pragma once

#include "core/appstate.h"
#include "platform/platform.h"

#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <memory>

class QAction;
class QLabel;
class QMenu;

namespace ds {

class DateSelectionDialog;
class DrawFrame;
class DrawHistoryController;
class FileMaintenanceController;
class LinksController;
class MaintainFrame;
class RangeCheckController;
class ResultsExchange;
class SecondDrawController;
class SelectionsController;
class SelectionsFrame;
class StandingEntryController;
class StatisticsController;
class SuggestController;
class TicketController;
class ThunderballController;
class WinningController;
class WheelsController;
class WinningFrame;

// The lotto manager for the UK and Irish lotto (Form1). It is composed of the
// "Result of Draw", "Selections", "Winning Selections" and "Maintain Entries"
// frames and the menu bar; each frame's controller works on its frames, the
// state and the services, and this window only wires menu entries and frames
// to the controllers. No other window reaches into it.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppState &state, const Platform &platform, QWidget *parent = nullptr);
    ~MainWindow() override;


protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildUi();
    void buildMenus();
    void buildControllers();
    void wireWheels();
    void startUp();
    void setUpGame(Game game);
    void switchGame(Game game);
    void switchCountryResets();
    // Picture 1 (UK lotto) or 2 (Irish lotto), showing the era in use.
    void setPicture(int index);
    // The era of the draw on display; with none, the newest era holding draws.
    const Era &eraInUse() const;
    void restoreSizeBeforeMaintain();

    void onThunderball();
    void onChangeDraw();
    void onChangeSelections();
    void onExit();
    void onImport();
    void onUpdate();
    void onExport();
    // A country is chosen; otherwise says so (the import, update and export).
    bool countryChosen();

    AppState &m_state;
    Platform m_platform;
    bool m_exiting = false;

    DrawFrame *m_drawFrame = nullptr;
    SelectionsFrame *m_selectionsFrame = nullptr;
    WinningFrame *m_winningFrame = nullptr;
    MaintainFrame *m_maintainFrame = nullptr;
    QLabel *m_picture = nullptr; // Image8
    QSize m_sizeBeforeMaintain;   // the window's size before the maintain area opened

    struct Menus;
    std::unique_ptr<Menus> m_menus;

    std::unique_ptr<SelectionsController> m_selections;
    std::unique_ptr<WinningController> m_winning;
    std::unique_ptr<StandingEntryController> m_standing;
    std::unique_ptr<SuggestController> m_suggest;
    std::unique_ptr<DateSelectionDialog> m_dateDialog;
    std::unique_ptr<SecondDrawController> m_secondDraw;
    std::unique_ptr<DrawHistoryController> m_history;
    std::unique_ptr<FileMaintenanceController> m_fileMaintenance;
    std::unique_ptr<StatisticsController> m_statistics;
    std::unique_ptr<ThunderballController> m_thunderball;
    std::unique_ptr<LinksController> m_links;
    std::unique_ptr<WheelsController> m_wheels;
    std::unique_ptr<RangeCheckController> m_rangeCheck;
    std::unique_ptr<TicketController> m_tickets;
    std::unique_ptr<ResultsExchange> m_exchange;
};

// Key of the remembered game in the per-user settings store.
inline constexpr char RememberedCountryKey[] = "Country";

} // namespace ds
