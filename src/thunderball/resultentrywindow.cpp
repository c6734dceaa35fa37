#include "thunderball/resultentrywindow.h"

#include "core/dates.h"
#include "platform/platform.h"
#include "thunderball/thunderinput.h"
#include "thunderball/thunderview.h"
#include "widgets/controls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace ds {

using namespace thunder;

ResultEntryWindow::ResultEntryWindow(const QString &programFolder, const Platform &platform)
    : m_folder(programFolder), m_platform(platform)
{
    setObjectName(QStringLiteral("Form21"));
    setWindowTitle(QStringLiteral("Thunderball Result Entry"));

    m_dateLabel = named(new QLabel, "LabelDate");
    auto *frame = named(new QGroupBox(QStringLiteral("Enter the Numbers Draw")), "Frame1");
    auto *grid = new QGridLayout(frame);
    static const char *names[6] = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};
    for (int i = 0; i < 6; ++i) {
        m_boxes[static_cast<size_t>(i)] = lineBox(names[i], 40);
        if (i < 5)
            grid->addWidget(m_boxes[static_cast<size_t>(i)], 0, i);
    }
    grid->addWidget(named(new QLabel(QStringLiteral("Thunderball")), "Label1"), 0, 5);
    grid->addWidget(m_boxes[5], 0, 6);

    auto *saveButton = button("Command1", QStringLiteral("Save"), QStringLiteral("Save the result to the results file."));
    auto *quit = button("Command2", QStringLiteral("Quit"), QStringLiteral("Return to the Thunderball manager."));
    saveButton->setDefault(true); // Enter saves
    connect(saveButton, &QPushButton::clicked, this, &ResultEntryWindow::save);
    connect(quit, &QPushButton::clicked, this, &ResultEntryWindow::closeWindow);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(quit);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(m_dateLabel);
    lay->addWidget(frame);
    lay->addLayout(buttons);
}

std::optional<ThunderNumbers> readNumberBoxes(const std::array<QLineEdit *, 6> &boxes, const Era &era,
                                              Dialogs &dialogs)
{
    std::array<QString, 6> texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = boxes[i]->text();
    const NumbersCheck check = readThunderNumbers(texts, era);
    if (check.numbers)
        return check.numbers;
    dialogs.message(QString::fromLatin1(MsgInvalidNumbers));
    QLineEdit *bad = boxes[static_cast<size_t>(std::clamp(check.firstBadBox, 0, 5))];
    bad->setFocus();
    bad->selectAll();
    return std::nullopt;
}

void ResultEntryWindow::openFor(QWidget *opener, const QDate &date)
{
    m_date = date;
    m_dateLabel->setText(QStringLiteral("Result of %1").arg(longDateText(date)));
    for (QLineEdit *b : m_boxes)
        b->clear();
    openOver(opener, OpenerMode::Disable);
    m_boxes[0]->setFocus();
}

void ResultEntryWindow::save()
{
    const Era &era = thunderEra(m_date);
    const std::optional<ThunderNumbers> numbers = readNumberBoxes(m_boxes, era, *m_platform.dialogs);
    if (!numbers)
        return;
    switch (appendThunderResult(resultsPath(m_folder, era), resultOf(m_date, *numbers))) {
    case ThunderAppendResult::Appended:
        break;
    case ThunderAppendResult::Full:
        m_platform.dialogs->message(QString::fromLatin1(MsgResultsFull));
        return;
    case ThunderAppendResult::ReadFailed:
    case ThunderAppendResult::WriteFailed:
        m_platform.dialogs->message(QString::fromLatin1(MsgResultNotSaved));
        return;
    }
    emit saved();
    closeWindow();
}

} // namespace ds
