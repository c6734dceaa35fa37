#include "entries/winning.h"

#include "core/appstate.h"
#include "core/games.h"
#include "core/numbers.h"
#include "entries/checking.h"
#include "entries/listprint.h"
#include "entries/selections.h"
#include "lotto/mainwindow.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace ds {

WinningController::WinningController(MainWindow &main) : QObject(&main), m_main(main)
{
    MainUi &ui = main.ui();
    connect(ui.Command4, &QPushButton::clicked, this, &WinningController::check);
    connect(ui.Command5, &QPushButton::clicked, this, &WinningController::clear);
    connect(ui.Command15, &QPushButton::clicked, this, &WinningController::print);
}

void WinningController::check()
{
    MainUi &ui = m_main.ui();
    AppState &s = m_main.state();
    const Platform &p = m_main.platform();
    const QString total = ui.Text3->text();
    if (ui.Text1->text().isEmpty() || total == QLatin1String("0") || total.isEmpty()) {
        p.dialogs->message(QStringLiteral("There are no entries to check against!"));
        return;
    }
    ui.List1->clear();

    // One read of the file serves the reload and the check.
    std::vector<Entry> entries = entryfile::load(s.currentEntryFile);
    if (s.checked) {
        // The list carries the marks of the last check: start again from the file.
        ui.List2->clear();
        if (!entries.empty())
            m_main.selections()->showEntries(entries);
    }

    const qint64 n = std::clamp<qint64>(readBoxNumber(total), 0, MaxRecordCount);
    if (entries.size() > static_cast<size_t>(n))
        entries.resize(static_cast<size_t>(n));
    const CheckResult r = checkEntries(entries, s.displayedDraw, s.countryCode == CountryIR,
                                       ui.Option3->isChecked());

    ui.List1->addItems(r.winningLines);
    ui.List2->setUpdatesEnabled(false);
    for (int pos : r.marked) {
        if (QListWidgetItem *item = ui.List2->item(pos))
            item->setText(markedLine(item->text(), QStringLiteral(" (*)")));
        else
            ui.List2->addItem(markedLine(entryLine(entries[static_cast<size_t>(pos)].n), QStringLiteral(" (*)")));
    }
    ui.List2->setUpdatesEnabled(true);
    s.checked = true;
    if (r.wins == 0)
        p.dialogs->message(QStringLiteral("No wins this time!"));
}

void WinningController::clear()
{
    m_main.ui().List1->clear();
}

void WinningController::print()
{
    QListWidget *list = m_main.ui().List1;
    const Platform &p = m_main.platform();
    if (list->count() == 0) {
        p.dialogs->message(QStringLiteral("There is no list to print!"));
        return;
    }
    BusyScope busy(*p.dialogs);
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    printWinningList(*p.printer, lines);
}

} // namespace ds
