#include "entries/suggestpanel.h"

#include "core/appstate.h"
#include "core/numbers.h"
#include "entries/entryframes.h"
#include "entries/entrylistview.h"
#include "entries/suggest.h"
#include "core/drawhistory.h"
#include "widgets/controls.h"

#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace ds {

using namespace suggest;

ConstraintsWindow::ConstraintsWindow(AppState &state, const Platform &platform)
    : m_state(state), m_platform(platform)
{
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("Contraints"));
    for (int k = 0; k < 9; ++k) {
        auto *b = new QLineEdit;
        b->setObjectName(QStringLiteral("Text%1").arg(k + 1));
        b->setFixedWidth(40);
        m_boxes[static_cast<size_t>(k)] = b;
    }
    auto *contain = named(new QGroupBox(QStringLiteral("Entries must contain")), "Frame1");
    auto *c = new QGridLayout(contain);
    for (int k = 0; k < 3; ++k)
        c->addWidget(m_boxes[static_cast<size_t>(k)], 0, k);
    auto *clear1 = button("Command1", QStringLiteral("Clear"),
                          QStringLiteral("Use this to remove any numbers for specific inclusion in each entry."));
    c->addWidget(clear1, 1, 0, 1, 3);

    auto *exclude = named(new QGroupBox(QStringLiteral("Entries must not contain")), "Frame2");
    auto *e = new QGridLayout(exclude);
    for (int k = 3; k < 9; ++k)
        e->addWidget(m_boxes[static_cast<size_t>(k)], 0, k - 3);
    auto *clear2 = button("Command2", QStringLiteral("Clear"),
                          QStringLiteral("Use this to remove any numbers for specific exclusion from each entry."));
    e->addWidget(clear2, 1, 0, 1, 6);

    auto *doneButton = button("Command10", QStringLiteral("Done"),
                              QStringLiteral("Use this to add any specified number constraints and to exit from this form."));
    // Enter confirms the constraints; it never clears them.
    doneButton->setDefault(true);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(contain);
    lay->addWidget(exclude);
    lay->addWidget(doneButton, 0, Qt::AlignRight);

    connect(clear1, &QPushButton::clicked, this, &ConstraintsWindow::clearContain);
    connect(clear2, &QPushButton::clicked, this, &ConstraintsWindow::clearExclude);
    connect(doneButton, &QPushButton::clicked, this, &ConstraintsWindow::done);
}

void ConstraintsWindow::emptyBoxes()
{
    for (QLineEdit *b : m_boxes)
        b->clear();
}

void ConstraintsWindow::clearContain()
{
    for (size_t k = 0; k < 3; ++k) {
        m_boxes[k]->clear();
        m_state.constraints[k] = 0;
    }
}

void ConstraintsWindow::clearExclude()
{
    for (size_t k = 3; k < 9; ++k) {
        m_boxes[k]->clear();
        m_state.constraints[k] = 0;
    }
}

void ConstraintsWindow::done()
{
    std::array<QString, 9> texts;
    for (size_t k = 0; k < 9; ++k)
        texts[k] = m_boxes[k]->text();
    const ConstraintsRead read = readConstraints(texts, m_state.entryEra().mainLimit);
    m_state.constraints = read.table;
    m_state.constraintsActive = read.active;
    if (!read.valid) {
        m_platform.dialogs->message(QString::fromLatin1(MsgInvalidConstraints));
        return;
    }
    giveBack();
}

void ConstraintsWindow::closeWindow()
{
    done();
}

SuggestController::SuggestController(MaintainFrame &maintain, EntryListView &list, AppState &state,
                                     const Platform &platform, QWidget *window, QObject *parent)
    : QObject(parent), m_maintain(maintain), m_list(list), m_state(state), m_platform(platform),
      m_window(window), m_constraints(std::make_unique<ConstraintsWindow>(state, platform))
{
    connect(&maintain, &MaintainFrame::suggestClicked, this, &SuggestController::add);
    connect(&maintain, &MaintainFrame::constrainClicked, this, &SuggestController::constrain);
    connect(&maintain, &MaintainFrame::bestSixClicked, this, &SuggestController::bestSix);
}

SuggestController::~SuggestController() = default;

void SuggestController::forgetConstraints()
{
    m_state.constraintsActive = false;
    m_constraints->emptyBoxes();
}

void SuggestController::constrain()
{
    m_constraints->openOver(m_window, OpenerMode::Hide);
}

void SuggestController::bestSix()
{
    m_maintain.setAddBoxesOnScreen(m_state.bestSix);
}

void SuggestController::add()
{
    const AddPlan plan = planAdd(m_maintain.suggestMode(), readBoxNumber(m_maintain.suggestCountText()),
                                 m_state.entryCount, m_state.constraints, m_state.constraintsActive,
                                 m_state.entryEra().mainLimit);
    for (const QString &question : plan.questions)
        if (!m_platform.dialogs->ask(question))
            return;
    if (!plan.refusal.isEmpty()) {
        m_platform.dialogs->message(plan.refusal);
        return;
    }
    if (plan.count <= 0)
        return;

    // One read of the list and of the history for the whole action; entries
    // are written one by one at the end of the file. A file that cannot be
    // read stops the action before anything is written.
    FileRead<std::vector<Entry>> entriesRead = entryfile::load(m_state.currentEntryFile);
    if (!entriesRead.usable()) {
        m_platform.dialogs->message(EntriesUnreadableMessage);
        return;
    }
    std::vector<Entry> &entries = entriesRead.value;
    const Era &era = m_state.entryEra();
    const FileRead<std::vector<Draw>> historyRead = readHistoryDraws(m_state.historyPath(era));
    if (!historyRead.usable()) {
        m_platform.dialogs->message(HistoryUnreadableMessage);
        return;
    }
    const std::vector<Draw> &draws = historyRead.value;
    if (entries.size() > static_cast<size_t>(m_state.entryCount))
        entries.resize(static_cast<size_t>(m_state.entryCount));

    AddResult result;
    {
        BusyScope busy(*m_platform.dialogs);
        const SelectionPool pool = buildSelectionPool(draws, era.mainLimit);
        m_platform.random->seed(static_cast<quint64>(m_platform.clock->timeOfDay().msecsSinceStartOfDay()));

        const QString path = m_state.currentEntryFile;
        QElapsedTimer sinceRepaint;
        sinceRepaint.start();
        const EntryWriter write = [&](const Entry &entry, int record) {
            if (!entryfile::writeAt(path, record, entry))
                return false;
            m_state.entryCount = record;
            // Show progress without letting a click in: repaint, no events.
            const bool repaint = sinceRepaint.elapsed() >= 100;
            m_list.appendEntry(entry.n, record, repaint);
            if (repaint)
                sinceRepaint.restart();
            return true;
        };
        result = addSuggestedEntries(pool, SuggestRules::fromState(m_state), entries, plan.count,
                                     firstEntryDateField(path), *m_platform.random, write);
        m_list.scrollToEnd();
    }
    switch (result.stop) {
    case AddResult::Stop::Finished:
        break;
    case AddResult::Stop::NoMoreFound:
        m_platform.dialogs->message(noMoreEntriesMessage(result.added));
        break;
    case AddResult::Stop::WriteFailed:
        m_platform.dialogs->message(QStringLiteral("The entry could not be written to the selections file."));
        break;
    case AddResult::Stop::InvalidConstraints:
        m_platform.dialogs->message(QString::fromLatin1(MsgConstraintsNeedCorrecting));
        break;
    }
}

} // namespace ds
