// A draw history that cannot be read any more once the statistics windows are
// open (a folder where the file was) is reported by every button that reads
// it; what the windows show stays as it was and no further window opens.
#include "statistics/chartswindow.h"
#include "support/mainfixture.h"
#include "widgets/barchart.h"

#include <QDir>

using namespace dstest;

class StatisticsOnABrokenHistory : public MainFixture {};

TEST_F(StatisticsOnABrokenHistory, EveryButtonSaysSoAndTheFiguresStay)
{
    dir.write(QStringLiteral("UK.exe"), syntheticHistory(30)); // no note about too few draws
    start();
    trigger(&w(), "mnuUKstats");
    QWidget *stats = topLevel("Form4");
    ASSERT_TRUE(stats && stats->isVisible());
    click(stats, "Command2"); // the hot six
    click(stats, "Command7"); // Indepth Analysis: the main-ball chart
    auto *charts = topLevel<ds::ChartsWindow>("Form8");
    ASSERT_TRUE(charts && charts->isVisible());
    ds::BarChart *chart = child<ds::BarChart>(charts, "MSChart1");
    const QList<qreal> rows = chart->rowValues();
    const QString hot = child<QLineEdit>(stats, "Text8")->text();
    ASSERT_FALSE(hot.isEmpty());
    ASSERT_EQ(rows.size(), 49);

    ASSERT_TRUE(QFile::remove(dir.file(QStringLiteral("UK.exe"))));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("UK.exe")));
    const std::pair<QWidget *, const char *> buttons[] = {
        {stats, "Command2"}, {stats, "Command3"}, {stats, "Command4"}, {stats, "Command6"}, {stats, "Command8"},
        {charts, "Command4"}, {charts, "Command2"}, {charts, "Command5"}, {charts, "Command6"},
    };
    for (const auto &[form, name] : buttons) {
        fakes.dialogs.clear();
        click(form, name);
        EXPECT_EQ(fakes.dialogs.messages, QStringList{QStringLiteral("The draw history file could not be read.")})
            << form->objectName().toStdString() << " " << name;
    }
    fakes.dialogs.clear();
    charts->clickRow(10); // a bar: the ball's own statistics
    EXPECT_EQ(fakes.dialogs.messages.size(), 1);
    for (const char *form : {"Form6", "Form16"}) {
        QWidget *w = topLevel(form);
        EXPECT_TRUE(!w || !w->isVisible()) << form;
    }
    EXPECT_EQ(child<QLineEdit>(stats, "Text8")->text(), hot);
    EXPECT_TRUE(child<QLineEdit>(stats, "Text2")->text().isEmpty() && child<QLineEdit>(stats, "Text6")->text().isEmpty());
    EXPECT_EQ(chart->rowValues(), rows);

    // Closed and opened again, the charts do not open on nothing.
    click(charts, "Command1");
    fakes.dialogs.clear();
    click(stats, "Command7");
    EXPECT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_FALSE(charts->isVisible());
}
