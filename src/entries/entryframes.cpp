#include "entries/entryframes.h"

#include "widgets/controls.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ds {

namespace {

// The add-entry boxes on screen, left to right, by read order index.
constexpr int ScreenOrder[6] = {5, 4, 0, 1, 2, 3};

QListWidget *entryList(const char *name, const QString &tip)
{
    auto *list = named(new QListWidget, name);
    list->setToolTip(tip);
    list->setFont(fixedPitchFont());
    list->setMinimumWidth(230);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

void highlight(QListWidgetItem *item, bool on)
{
    QFont f = item->font();
    f.setBold(on);
    item->setFont(f);
}

} // namespace

SelectionsFrame::SelectionsFrame(QWidget *parent) : QGroupBox(QStringLiteral("Selections"), parent)
{
    setObjectName(QStringLiteral("Frame2"));
    auto *lay = new QGridLayout(this);
    auto *dateLabel = named(new QLabel(QStringLiteral("Date")), "Label2");
    m_date = readOnlyBox("Text2");
    m_date->setPlaceholderText(QStringLiteral("Press Change to choose the date of your entries"));
    m_change = button("Command2", QStringLiteral("Change"),
                      QStringLiteral("Change the date for your selections using the calendar."));
    m_list = entryList("List2", QStringLiteral("List of your selections for the draw."));
    auto *totalLabel = named(new QLabel(QStringLiteral("Total")), "Label3");
    m_total = readOnlyBox("Text3", 60);
    m_total->setToolTip(QStringLiteral("Total number of entries in the selections list."));
    m_maintain = button("Command3", QStringLiteral("Maintain"),
                        QStringLiteral("Open the maintain entries part of the screen to add or remove entries from the selections list."));
    m_delete = button("Command11", QStringLiteral("Delete Selected Entry"),
                      QStringLiteral("Delete a selected entry from the list of selections."));
    m_print = button("Command13", QStringLiteral("Print List"),
                     QStringLiteral("Print the list of your selections. If you have have checked them, an asterisk will be placed against winning entries."));
    lay->addWidget(dateLabel, 0, 0);
    lay->addWidget(m_date, 0, 1);
    lay->addWidget(m_change, 0, 2);
    lay->addWidget(m_list, 1, 0, 1, 3);
    auto *totalRow = new QHBoxLayout;
    totalRow->addWidget(totalLabel);
    totalRow->addWidget(m_total);
    totalRow->addStretch();
    lay->addLayout(totalRow, 2, 0, 1, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_maintain);
    buttons->addWidget(m_delete);
    buttons->addWidget(m_print);
    buttons->addStretch();
    lay->addLayout(buttons, 3, 0, 1, 3);
    lay->setRowStretch(1, 1);
    lay->setColumnStretch(1, 1);

    connect(m_change, &QPushButton::clicked, this, &SelectionsFrame::changeClicked);
    connect(m_maintain, &QPushButton::clicked, this, &SelectionsFrame::maintainClicked);
    connect(m_delete, &QPushButton::clicked, this, &SelectionsFrame::deleteClicked);
    connect(m_print, &QPushButton::clicked, this, &SelectionsFrame::printClicked);
}

void SelectionsFrame::setDateText(const QString &text) { m_date->setText(text); }
QString SelectionsFrame::dateText() const { return m_date->text(); }
void SelectionsFrame::setTotalText(const QString &text) { m_total->setText(text); }
QString SelectionsFrame::totalText() const { return m_total->text(); }

void SelectionsFrame::setLines(const QStringList &lines)
{
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    m_list->addItems(lines);
    m_list->setUpdatesEnabled(true);
}

void SelectionsFrame::addLine(const QString &line) { m_list->addItem(line); }
void SelectionsFrame::clearLines() { m_list->clear(); }
int SelectionsFrame::lineCount() const { return m_list->count(); }

QString SelectionsFrame::line(int row) const
{
    const QListWidgetItem *item = m_list->item(row);
    return item ? item->text() : QString();
}

QStringList SelectionsFrame::lines() const
{
    QStringList out;
    for (int i = 0; i < m_list->count(); ++i)
        out << m_list->item(i)->text();
    return out;
}

void SelectionsFrame::setLine(int row, const QString &text)
{
    if (QListWidgetItem *item = m_list->item(row))
        item->setText(text);
}

void SelectionsFrame::setLineHighlighted(int row, bool on)
{
    if (QListWidgetItem *item = m_list->item(row))
        highlight(item, on);
}

void SelectionsFrame::removeLine(int row)
{
    delete m_list->takeItem(row);
}

int SelectionsFrame::selectedRow() const
{
    if (m_list->selectedItems().isEmpty())
        return -1;
    return m_list->currentRow();
}

void SelectionsFrame::clearSelection()
{
    m_list->clearSelection();
    m_list->setCurrentRow(-1);
}

void SelectionsFrame::scrollToRow(int row)
{
    if (QListWidgetItem *item = m_list->item(row))
        m_list->scrollToItem(item, QAbstractItemView::PositionAtTop);
}

void SelectionsFrame::scrollToEnd() { m_list->scrollToBottom(); }

void SelectionsFrame::repaintProgress()
{
    m_list->scrollToBottom();
    m_list->repaint();
    m_total->repaint();
}

void SelectionsFrame::setListUpdates(bool on) { m_list->setUpdatesEnabled(on); }
void SelectionsFrame::setChangeEnabled(bool on) { m_change->setEnabled(on); }
void SelectionsFrame::setMaintainEnabled(bool on) { m_maintain->setEnabled(on); }
void SelectionsFrame::setMaintainShown(bool on) { m_maintain->setVisible(on); }
void SelectionsFrame::setDeleteShown(bool on) { m_delete->setVisible(on); }

WinningFrame::WinningFrame(QWidget *parent) : QGroupBox(QStringLiteral("Winning Selections"), parent)
{
    setObjectName(QStringLiteral("Frame3"));
    auto *lay = new QGridLayout(this);
    m_list = entryList("List1", QStringLiteral("The list of winning entries."));
    m_count = named(new QLabel, "LabelWinCount");
    m_count->hide();
    auto *check = button("Command4", QStringLiteral("Check"),
                         QStringLiteral("Use this to check your selections against the result of the draw."));
    auto *clear = button("Command5", QStringLiteral("Clear"),
                         QStringLiteral("Clears the list of winning selections if any."));
    auto *print = button("Command15", QStringLiteral("Print"),
                         QStringLiteral("Use this to print the list of winning selections."));
    m_wins = named(new QRadioButton(QStringLiteral("Wins")), "Option4");
    m_all = named(new QRadioButton(QStringLiteral("All")), "Option3");
    auto *group = new QButtonGroup(this);
    group->addButton(m_wins);
    group->addButton(m_all);
    m_wins->setChecked(true);
    lay->addWidget(m_list, 0, 0, 1, 3);
    lay->addWidget(m_count, 1, 0, 1, 3);
    lay->addWidget(m_wins, 2, 0);
    lay->addWidget(m_all, 2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(check);
    buttons->addWidget(clear);
    buttons->addWidget(print);
    buttons->addStretch();
    lay->addLayout(buttons, 3, 0, 1, 3);
    lay->setRowStretch(0, 1);

    connect(check, &QPushButton::clicked, this, &WinningFrame::checkClicked);
    connect(clear, &QPushButton::clicked, this, &WinningFrame::clearClicked);
    connect(print, &QPushButton::clicked, this, &WinningFrame::printClicked);
}

void WinningFrame::setLines(const QStringList &lines, const QList<int> &highlighted)
{
    m_list->clear();
    m_list->addItems(lines);
    for (int row : highlighted)
        if (QListWidgetItem *item = m_list->item(row))
            highlight(item, true);
}

void WinningFrame::clearLines()
{
    m_list->clear();
    setCountText({});
}

QStringList WinningFrame::lines() const
{
    QStringList out;
    for (int i = 0; i < m_list->count(); ++i)
        out << m_list->item(i)->text();
    return out;
}

bool WinningFrame::allTiers() const { return m_all->isChecked(); }

void WinningFrame::setAllTiers(bool all)
{
    m_all->setChecked(all);
    m_wins->setChecked(!all);
}

void WinningFrame::setCountText(const QString &text)
{
    m_count->setText(text);
    m_count->setVisible(!text.isEmpty());
}

MaintainFrame::MaintainFrame(QWidget *parent) : QGroupBox(QStringLiteral("Maintain Entries"), parent)
{
    setObjectName(QStringLiteral("Frame4"));
    auto *lay = new QVBoxLayout(this);
    auto *addFrame = named(new QGroupBox(QStringLiteral("Add Entry")), "Frame5");
    addFrame->setToolTip(QStringLiteral("Use this to add a single entry to the selections list."));
    auto *add = new QGridLayout(addFrame);
    const char *names[6] = {"Text4", "Text5", "Text6", "Text7", "Text8", "Text9"};
    for (int i = 0; i < 6; ++i)
        m_addBoxes[static_cast<size_t>(i)] = lineBox(names[i], 36);
    QWidget *previous = nullptr;
    for (int i = 0; i < 6; ++i) {
        QLineEdit *b = m_addBoxes[static_cast<size_t>(ScreenOrder[i])];
        add->addWidget(b, 0, i);
        if (previous)
            QWidget::setTabOrder(previous, b);
        previous = b;
        // Enter in any box adds the entry.
        connect(b, &QLineEdit::returnPressed, this, &MaintainFrame::addClicked);
    }
    auto *addButton = button("Command9", QStringLiteral("Add"),
                             QStringLiteral("Adds the numbers entered in the boxes to your selections list."));
    auto *clear = button("Command8", QStringLiteral("Clear"),
                         QStringLiteral("Removes numbers from the add entry boxes."));
    m_bestSix = button("Command12", QStringLiteral("Best 6"));
    add->addWidget(addButton, 1, 0, 1, 2);
    add->addWidget(clear, 1, 2, 1, 2);
    add->addWidget(m_bestSix, 1, 4, 1, 2);

    auto *suggestFrame = named(new QGroupBox(QStringLiteral("Suggest Entries")), "Frame6");
    suggestFrame->setToolTip(QStringLiteral("Use this to add entries suggested by the program to the selections list."));
    auto *sug = new QGridLayout(suggestFrame);
    sug->addWidget(new QLabel(QStringLiteral("Number of Entries")), 0, 0);
    m_count = lineBox("Text10", 60);
    sug->addWidget(m_count, 0, 1);
    m_additional = named(new QRadioButton(QStringLiteral("Additional")), "Option1");
    m_total = named(new QRadioButton(QStringLiteral("Total")), "Option2");
    auto *group = new QButtonGroup(suggestFrame);
    group->addButton(m_additional);
    group->addButton(m_total);
    sug->addWidget(m_additional, 1, 0);
    sug->addWidget(m_total, 1, 1);
    auto *suggest = button("Command10", QStringLiteral("Add"),
                           QStringLiteral("Use this to add the specified number of entries to your selections."));
    auto *constrain = button("Command16", QStringLiteral("Constrain"),
                             QStringLiteral("Use this to specifically include or exclude certain numbers for each entry."));
    sug->addWidget(suggest, 2, 0);
    sug->addWidget(constrain, 2, 1);

    auto *finished = button("Command7", QStringLiteral("Finished"),
                            QStringLiteral("Use this once you have completed the entries for your selections."));
    lay->addWidget(addFrame);
    lay->addWidget(suggestFrame);
    lay->addWidget(finished, 0, Qt::AlignRight);
    lay->addStretch();

    connect(addButton, &QPushButton::clicked, this, &MaintainFrame::addClicked);
    connect(clear, &QPushButton::clicked, this, &MaintainFrame::clearClicked);
    connect(m_bestSix, &QPushButton::clicked, this, &MaintainFrame::bestSixClicked);
    connect(suggest, &QPushButton::clicked, this, &MaintainFrame::suggestClicked);
    // Enter in the count box suggests the entries.
    connect(m_count, &QLineEdit::returnPressed, this, &MaintainFrame::suggestClicked);
    connect(constrain, &QPushButton::clicked, this, &MaintainFrame::constrainClicked);
    connect(finished, &QPushButton::clicked, this, &MaintainFrame::finishedClicked);
}

std::array<QString, 6> MaintainFrame::addBoxTexts() const
{
    std::array<QString, 6> out;
    for (size_t k = 0; k < 6; ++k)
        out[k] = m_addBoxes[k]->text();
    return out;
}

void MaintainFrame::clearAddBoxes()
{
    for (QLineEdit *b : m_addBoxes)
        b->clear();
}

void MaintainFrame::setAddBoxesOnScreen(const std::array<QString, 6> &texts)
{
    for (size_t i = 0; i < 6; ++i)
        m_addBoxes[static_cast<size_t>(ScreenOrder[i])]->setText(texts[i]);
}

void MaintainFrame::focusAddBox(int index)
{
    if (index < 0 || index > 5)
        return;
    QLineEdit *b = m_addBoxes[static_cast<size_t>(index)];
    b->setFocus();
    b->selectAll();
}

void MaintainFrame::focusFirstAddBox()
{
    focusAddBox(ScreenOrder[0]);
}

void MaintainFrame::setBestSixEnabled(bool on) { m_bestSix->setEnabled(on); }
QString MaintainFrame::suggestCountText() const { return m_count->text(); }

suggest::AddMode MaintainFrame::suggestMode() const
{
    return m_additional->isChecked() ? suggest::AddMode::Additional
        : m_total->isChecked()       ? suggest::AddMode::Total
                                     : suggest::AddMode::None;
}

void MaintainFrame::setSuggestMode(suggest::AddMode mode)
{
    m_additional->setChecked(mode == suggest::AddMode::Additional);
    m_total->setChecked(mode == suggest::AddMode::Total);
}

} // namespace ds
