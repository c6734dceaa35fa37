#include "thunderball/maintainwindow.h"

#include "core/dates.h"
#include "core/numbers.h"
#include "platform/platform.h"
#include "thunderball/autoadd.h"
#include "thunderball/resultentrywindow.h"
#include "thunderball/resultsedit.h"
#include "thunderball/thunderentries.h"
#include "thunderball/thunderinput.h"
#include "thunderball/thunderview.h"
#include "widgets/controls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTime>
#include <QVBoxLayout>
#include <optional>

namespace ds {

using namespace thunder;

MaintainEntriesWindow::MaintainEntriesWindow(const QString &programFolder, const Platform &platform)
    : m_folder(programFolder), m_platform(platform)
{
    setObjectName(QStringLiteral("Form22"));
    setWindowTitle(QStringLiteral("Maintain Thunderball Entries"));

    m_dateLabel = named(new QLabel, "LabelDate");
    auto *manual = named(new QGroupBox(QStringLiteral("Manual Adding")), "Frame1");
    {
        static const char *names[6] = {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7"};
        auto *grid = new QGridLayout(manual);
        for (int i = 0; i < 6; ++i)
            m_boxes[static_cast<size_t>(i)] = lineBox(names[i], 40);
        for (int i = 0; i < 5; ++i)
            grid->addWidget(m_boxes[static_cast<size_t>(i)], 0, i);
        grid->addWidget(named(new QLabel(QStringLiteral("Thunderball")), "Label1"), 0, 5);
        grid->addWidget(m_boxes[5], 0, 6);
        auto *add = button("Command2", QStringLiteral("Add"), QStringLiteral("Add the entry above to your selections"));
        auto *clear = button("Command3", QStringLiteral("Clear"),
                             QStringLiteral("Clear the numbers from the boxes. It does not clear the entry from the "
                                            "selections file."));
        connect(add, &QPushButton::clicked, this, &MaintainEntriesWindow::addManual);
        connect(clear, &QPushButton::clicked, this, &MaintainEntriesWindow::clearBoxes);
        // Enter in a number box adds the entry; nothing clears the boxes by Enter.
        for (QLineEdit *b : m_boxes)
            connect(b, &QLineEdit::returnPressed, this, &MaintainEntriesWindow::addManual);
        auto *row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(add);
        row->addWidget(clear);
        grid->addLayout(row, 1, 0, 1, 7);
    }

    auto *automatic = named(new QGroupBox(QStringLiteral("Auto Add")), "Frame2");
    {
        m_count = lineBox("Text1", 60);
        auto *add = button("Command4", QStringLiteral("Add"),
                           QStringLiteral("Add the specified number of entries to the selection file"));
        connect(add, &QPushButton::clicked, this, &MaintainEntriesWindow::autoAdd);
        connect(m_count, &QLineEdit::returnPressed, this, &MaintainEntriesWindow::autoAdd);
        auto *row = new QHBoxLayout(automatic);
        row->addWidget(named(new QLabel(QStringLiteral("Number of Entries to Add")), "Label2"));
        row->addWidget(m_count);
        row->addStretch();
        row->addWidget(add);
    }

    auto *close = button("Command1", QStringLiteral("Close"),
                         QStringLiteral("Close this window, return to the Thunderball manager and display the "
                                        "selections."));
    connect(close, &QPushButton::clicked, this, &MaintainEntriesWindow::closeWindow);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(m_dateLabel);
    lay->addWidget(manual);
    lay->addWidget(automatic);
    lay->addStretch();
    lay->addLayout(buttons);
}

QString MaintainEntriesWindow::entriesFile() const
{
    return entriesPath(m_folder, m_date);
}

void MaintainEntriesWindow::openFor(QWidget *opener, const QDate &date)
{
    m_date = date;
    m_dateLabel->setText(QStringLiteral("Entries for %1").arg(longDateText(date)));
    openOver(opener, OpenerMode::Disable);
    m_boxes[0]->setFocus();
}

void MaintainEntriesWindow::addManual()
{
    const std::optional<ThunderNumbers> numbers = readNumberBoxes(m_boxes, thunderEra(m_date), *m_platform.dialogs);
    if (!numbers)
        return;
    const AppendResult r = appendEntries(entriesFile(), m_date, {*numbers});
    if (r.outcome == AppendResult::Full) {
        m_platform.dialogs->message(QString::fromLatin1(MsgEntriesFull));
        return;
    }
    if (r.outcome == AppendResult::Failed) {
        m_platform.dialogs->message(QString::fromLatin1(MsgEntryNotSaved));
        return;
    }
    emit entriesChanged(r.count);
    m_platform.dialogs->inform(QString::fromLatin1(MsgAdded));
    // Ready for the next entry: typing replaces the numbers, box by box.
    m_boxes[0]->setFocus();
    m_boxes[0]->selectAll();
}

void MaintainEntriesWindow::clearBoxes()
{
    for (QLineEdit *b : m_boxes)
        b->clear();
    m_boxes[0]->setFocus();
}

void MaintainEntriesWindow::autoAdd()
{
    EntryFile file;
    if (!usable(file.load(entriesFile()))) {
        m_platform.dialogs->message(QString::fromLatin1(MsgEntryNotSaved));
        return;
    }
    const AutoAddPlan plan = planAutoAdd(readBoxNumber(m_count->text()), file.count());
    if (plan.refusal) {
        m_platform.dialogs->message(*plan.refusal);
        m_count->setFocus();
        m_count->selectAll();
        return;
    }
    RandomSource &random = *m_platform.random;
    const Fraction fraction = [&random] { return random.next(); };
    // The pool weighs the numbers by the results of the entries' era.
    const Era &era = thunderEra(m_date);
    const FileRead<std::vector<ThunderResult>> results = readThunderResults(resultsPath(m_folder, era));
    if (!results.usable()) {
        m_platform.dialogs->message(QString::fromLatin1(MsgResultsUnreadable));
        return;
    }
    const AutoAddPool pool = buildAutoAddPool(results.value, era, fraction);
    random.seed(static_cast<quint64>(m_platform.clock->timeOfDay().msecsSinceStartOfDay()));
    AppendResult r;
    {
        std::optional<BusyScope> busy;
        if (plan.busy)
            busy.emplace(*m_platform.dialogs);
        r = appendEntries(entriesFile(), m_date, pickAutoEntries(pool, plan.count, fraction));
    }
    if (r.outcome != AppendResult::Added) {
        m_platform.dialogs->message(QString::fromLatin1(r.outcome == AppendResult::Full ? MsgEntriesFull
                                                                                        : MsgEntryNotSaved));
        return;
    }
    if (plan.count > 0)
        emit entriesChanged(r.count);
    m_platform.dialogs->inform(QString::fromLatin1(MsgAdded));
}

void MaintainEntriesWindow::closeWindow()
{
    emit closing();
    giveBack();
}

} // namespace ds
