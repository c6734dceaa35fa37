#pragma once

#include "core/appstate.h"
#include "lotto/mainwindow.h"
#include "support/fakes.h"
#include "support/testfolder.h"
#include "support/widgets.h"

#include <memory>

namespace dstest {

// A main window over a fresh program folder with the platform fakes.
class MainFixture : public ::testing::Test {
public:
    void start(const QString &remembered = {})
    {
        if (!remembered.isNull())
            fakes.settings.values[QStringLiteral("Country")] = remembered;
        state.programFolder = dir.path();
        window = std::make_unique<ds::MainWindow>(state, fakes.platform());
        window->show();
        fakes.settings.writes = 0;
    }
    void TearDown() override
    {
        EXPECT_TRUE(fakes.dialogs.unexpected.isEmpty())
            << "unscripted question: " << fakes.dialogs.unexpected.join(QStringLiteral(" | ")).toStdString();
        EXPECT_EQ(fakes.dialogs.busyDepth, 0) << "hourglass left on";
    }

    ds::MainWindow &w() { return *window; }
    QWidget *dialog() { return topLevel("Form2"); } // the Date Selection dialog
    // Picks a date on the Date Selection dialog's calendar and confirms it.
    void pickDate(int d, int m, int y);
    void chooseDraw(int d, int m, int y);        // draw "Change" + date + OK
    void chooseSelections(int d, int m, int y);  // selections "Change" + date + OK
    // The seven number boxes + OK, of the date dialog's number frame or of `form`.
    void enterNumbers(const QStringList &seven, QWidget *form = nullptr);

    TestFolder dir;
    FakePlatform fakes;
    ds::AppState state;
    std::unique_ptr<ds::MainWindow> window;
};

} // namespace dstest
