#pragma once

#include "core/appstate.h"
#include "core/drawhistory.h"
#include "lotto/mainui.h"
#include "platform/platform.h"

#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <memory>

namespace ds {

class DateSelectionDialog;
class DrawHistoryController;
class FileMaintenanceController;
class LinksController;
class SelectionsController;
class SecondDrawController;
class StandingEntryController;
class StatisticsController;
class SuggestController;
class WinningController;

// The lotto manager for the UK and Irish lotto: "Result of Draw", the
// selections area and the menu bar from which every other window is reached.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppState &state, const Platform &platform, QWidget *parent = nullptr);
    ~MainWindow() override;

    MainUi &ui() { return m_ui; }
    AppState &state() { return m_state; }
    const Platform &platform() const { return m_platform; }
    DateSelectionDialog *dateDialog() const { return m_dateDialog.get(); }
    SelectionsController *selections() const { return m_selections.get(); }
    SecondDrawController *secondDraw() const { return m_secondDraw.get(); }
    SuggestController *suggest() const { return m_suggest.get(); }
    LinksController *links() const { return m_links.get(); }

    // Ball routines of the "Result of Draw" frame.
    void showDraw(const Draw &draw);          // the show-draw procedure
    void colourBall(int position, int number); // position 1..7
    void showBalls();
    void hideBalls();
    void showNumbers();
    void hideNumbers();
    void clearBallCaptions();

    void setUpUK();
    void setUpIrish();
    int picture() const { return m_picture; }

    // Enables the main window and brings it to the front (a dialog closing).
    void returnToMain();

    // Tells the player where a printout without a printer went.
    void showPrintoutSaved(const QString &path);

    QString helpFile() const { return m_helpFile; }

signals:
    // The game was switched between the UK and the Irish lotto.
    void countrySwitched();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildUi();
    void buildMenus();
    void startUp();
    void switchCountryResets();
    void setPicture(int index);

    void on649();
    void onIreland();
    void onThunderball();
    void onChangeDraw();
    void onChangeSelections();
    void onExit();
    void onImport();

    AppState &m_state;
    Platform m_platform;
    MainUi m_ui;
    std::array<QPixmap, 2> m_imageList; // ImageList1: 1 UK lotto, 2 Irish lotto
    int m_picture = 0;
    QString m_helpFile;
    std::unique_ptr<DateSelectionDialog> m_dateDialog;
    std::unique_ptr<SelectionsController> m_selections;
    std::unique_ptr<WinningController> m_winning;
    std::unique_ptr<StandingEntryController> m_standing;
    std::unique_ptr<SecondDrawController> m_secondDraw;
    std::unique_ptr<DrawHistoryController> m_history;
    std::unique_ptr<FileMaintenanceController> m_fileMaintenance;
    std::unique_ptr<StatisticsController> m_statistics;
    std::unique_ptr<SuggestController> m_suggest;
    std::unique_ptr<LinksController> m_links;
    bool m_exiting = false;
};

// Key of the remembered game in the per-user settings store.
inline constexpr char RememberedCountryKey[] = "Country";

} // namespace ds
