#include "entries/suggestpanel.h"

#include "core/appstate.h"
#include "core/numbers.h"
#include "entries/suggest.h"
#include "lotto/mainwindow.h"
#include "statistics/drawstats.h"

#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace ds {

using namespace suggest;

ConstraintsWindow::ConstraintsWindow(MainWindow &main) : m_main(main)
{
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("Contraints"));
    for (int k = 0; k < 9; ++k) {
        auto *b = new QLineEdit;
        b->setObjectName(QStringLiteral("Text%1").arg(k + 1));
        b->setFixedWidth(40);
        m_boxes[static_cast<size_t>(k)] = b;
    }
    auto *contain = new QGroupBox(QStringLiteral("Entries must contain"));
    contain->setObjectName(QStringLiteral("Frame1"));
    auto *c = new QGridLayout(contain);
    for (int k = 0; k < 3; ++k)
        c->addWidget(m_boxes[static_cast<size_t>(k)], 0, k);
    auto *clear1 = new QPushButton(QStringLiteral("Clear"));
    clear1->setObjectName(QStringLiteral("Command1"));
    clear1->setToolTip(QStringLiteral("Use this to remove any numbers for specific inclusion in each entry."));
    c->addWidget(clear1, 1, 0, 1, 3);

    auto *exclude = new QGroupBox(QStringLiteral("Entries must not contain"));
    exclude->setObjectName(QStringLiteral("Frame2"));
    auto *e = new QGridLayout(exclude);
    for (int k = 3; k < 9; ++k)
        e->addWidget(m_boxes[static_cast<size_t>(k)], 0, k - 3);
    auto *clear2 = new QPushButton(QStringLiteral("Clear"));
    clear2->setObjectName(QStringLiteral("Command2"));
    clear2->setToolTip(QStringLiteral("Use this to remove any numbers for specific exclusion from each entry."));
    e->addWidget(clear2, 1, 0, 1, 6);

    auto *doneButton = new QPushButton(QStringLiteral("Done"));
    doneButton->setObjectName(QStringLiteral("Command10"));
    doneButton->setToolTip(QStringLiteral("Use this to add any specified number constraints and to exit from this form."));
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
        m_main.state().constraints[k] = 0;
    }
}

void ConstraintsWindow::clearExclude()
{
    for (size_t k = 3; k < 9; ++k) {
        m_boxes[k]->clear();
        m_main.state().constraints[k] = 0;
    }
}

void ConstraintsWindow::done()
{
    AppState &s = m_main.state();
    std::array<QString, 9> texts;
    for (size_t k = 0; k < 9; ++k)
        texts[k] = m_boxes[k]->text();
    const ConstraintsRead read = readConstraints(texts, s.maxBall);
    s.constraints = read.table;
    s.constraintsActive = read.active;
    if (!read.valid) {
        m_main.platform().dialogs->message(QString::fromLatin1(MsgInvalidConstraints));
        return;
    }
    hide();
    m_main.returnToMain();
}

void ConstraintsWindow::closeWindow()
{
    done();
}

SuggestController::SuggestController(MainWindow &main)
    : QObject(&main), m_main(main), m_window(std::make_unique<ConstraintsWindow>(main))
{
    const MainUi &ui = main.ui();
    connect(ui.Command10, &QPushButton::clicked, this, &SuggestController::add);
    connect(ui.Command16, &QPushButton::clicked, this, &SuggestController::constrain);
    connect(ui.Command12, &QPushButton::clicked, this, &SuggestController::bestSix);
    connect(&main, &MainWindow::countrySwitched, m_window.get(), &ConstraintsWindow::emptyBoxes);
}

SuggestController::~SuggestController() = default;

void SuggestController::constrain()
{
    m_main.hide();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void SuggestController::bestSix()
{
    const MainUi &ui = m_main.ui();
    const AppState &s = m_main.state();
    // Boxes in the order Text9, Text8, Text4, Text5, Text6, Text7.
    QLineEdit *const boxes[6] = {ui.addBoxes[5], ui.addBoxes[4], ui.addBoxes[0],
                                 ui.addBoxes[1], ui.addBoxes[2], ui.addBoxes[3]};
    for (size_t k = 0; k < 6; ++k)
        boxes[k]->setText(s.bestSix[k]);
}

void SuggestController::add()
{
    MainUi &ui = m_main.ui();
    AppState &s = m_main.state();
    const Platform &p = m_main.platform();

    const AddMode mode = ui.Option1->isChecked() ? AddMode::Additional
        : ui.Option2->isChecked()                ? AddMode::Total
                                                 : AddMode::None;
    const AddPlan plan = planAdd(mode, readBoxNumber(ui.Text10->text()), s.entryCount, s.constraints,
                                 s.constraintsActive, s.maxBall);
    for (const QString &question : plan.questions)
        if (!p.dialogs->ask(question))
            return;
    if (!plan.refusal.isEmpty()) {
        p.dialogs->message(plan.refusal);
        return;
    }
    if (plan.count <= 0)
        return;

    AddResult result;
    {
        BusyScope busy(*p.dialogs);
        // One read of the list for the whole action; entries are written one
        // by one at the end of the file.
        std::vector<Entry> entries = entryfile::load(s.currentEntryFile);
        if (entries.size() > static_cast<size_t>(s.entryCount))
            entries.resize(static_cast<size_t>(s.entryCount));
        const SelectionPool pool = buildSelectionPool(readHistoryDraws(s.historyPath()), s.maxBall);
        std::copy(pool.balls.begin(), pool.balls.end(), s.selectionPool.begin());
        s.poolSize = pool.size;
        p.random->seed(static_cast<quint64>(p.clock->timeOfDay().msecsSinceStartOfDay()));

        const QString path = s.currentEntryFile;
        QElapsedTimer sinceRepaint;
        sinceRepaint.start();
        const EntryWriter write = [&](const Entry &entry, int record) {
            if (!entryfile::writeAt(path, record, entry))
                return false;
            ui.List2->addItem(entryLine(entry.n));
            s.entryCount = record;
            ui.Text3->setText(QString::number(record));
            // Show progress without letting a click in: repaint, no events.
            if (sinceRepaint.elapsed() >= 100) {
                ui.List2->scrollToBottom();
                ui.List2->repaint();
                ui.Text3->repaint();
                sinceRepaint.restart();
            }
            return true;
        };
        result = addSuggestedEntries(pool, SuggestRules::fromState(s), entries, plan.count,
                                     firstEntryDateField(path), *p.random, write);
        ui.List2->scrollToBottom();
    }
    switch (result.stop) {
    case AddResult::Stop::Finished:
        break;
    case AddResult::Stop::NoMoreFound:
        p.dialogs->message(noMoreEntriesMessage(result.added));
        break;
    case AddResult::Stop::WriteFailed:
        p.dialogs->message(QStringLiteral("The entry could not be written to the selections file."));
        break;
    case AddResult::Stop::InvalidConstraints:
        p.dialogs->message(QString::fromLatin1(MsgConstraintsNeedCorrecting));
        break;
    }
}

} // namespace ds
