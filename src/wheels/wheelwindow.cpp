#include "wheels/wheelwindow.h"

#include "core/drawhistory.h"
#include "wheels/wheelsuggest.h"
#include "widgets/controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTime>
#include <QVBoxLayout>

namespace ds {

WheelWindow::WheelWindow(const wheels::WheelKind &kind, AppState &state, const Platform &platform)
    : m_kind(kind), m_state(state), m_platform(platform)
{
    setObjectName(QString::fromLatin1(kind.formName));
    setWindowTitle(QString::fromLatin1(kind.title));

    auto *guarantee = named(new QLabel(QString::fromLatin1(kind.label)), "Label3");
    guarantee->setWordWrap(true);
    auto *picture = named(new QLabel, "Picture1");
    picture->setFixedSize(48, 48);
    picture->setStyleSheet(QStringLiteral("background: qradialgradient(cx:0.35, cy:0.35, radius:0.7, "
                                          "fx:0.3, fy:0.3, stop:0 white, stop:1 #c0392b); border-radius: 24px;"));

    m_size = named(new QComboBox, "Combo1");
    m_size->setToolTip(QStringLiteral("The number of balls used in the wheel."));
    m_size->addItems(wheels::groupSizeItems(kind));
    auto *sizeLabel = new QLabel(QStringLiteral("Select the Number of Balls You Want to Use"));
    sizeLabel->setBuddy(m_size);

    m_entries = readOnlyBox("Text1", 80);
    m_entries->setToolTip(QStringLiteral("The number of entries for the wheel"));
    auto *entriesLabel = new QLabel(QStringLiteral("Number of Entries Required"));

    auto *frame = named(new QGroupBox(QStringLiteral("Enter Numbers")), "Frame1");
    frame->setToolTip(QStringLiteral("The numbers for the wheel. Change if required."));
    auto *grid = new QGridLayout(frame);
    for (int p = 1; p <= kind.maxGroup; ++p) {
        auto *box = lineBox(QStringLiteral("Text%1").arg(p + 1).toLatin1().constData(), 48);
        box->setMaxLength(5);
        grid->addWidget(box, (p - 1) / 7, (p - 1) % 7);
        m_boxes.push_back(box);
    }

    m_save = button("Command1", QStringLiteral("Save Wheel"), QStringLiteral("Save the wheel."));
    m_save->setDefault(true); // Enter saves
    auto *suggest = button("Command3", QStringLiteral("Suggest"),
                           QStringLiteral("Use this to suggest likely numbers based on the draw history."));
    auto *close = button("Command2", QStringLiteral("Close"), QStringLiteral("Closes this form."));

    auto *top = new QHBoxLayout;
    top->addWidget(picture);
    top->addWidget(guarantee, 1);
    auto *form = new QGridLayout;
    form->addWidget(sizeLabel, 0, 0);
    form->addWidget(m_size, 0, 1);
    form->addWidget(entriesLabel, 1, 0);
    form->addWidget(m_entries, 1, 1);
    form->setColumnStretch(2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_save);
    buttons->addWidget(suggest);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *lay = new QVBoxLayout(this);
    lay->addLayout(top);
    lay->addLayout(form);
    lay->addWidget(frame);
    lay->addStretch();
    lay->addLayout(buttons);

    connect(m_size, &QComboBox::currentIndexChanged, this, &WheelWindow::onGroupSize);
    connect(m_save, &QPushButton::clicked, this, &WheelWindow::onSave);
    connect(suggest, &QPushButton::clicked, this, &WheelWindow::onSuggest);
    connect(close, &QPushButton::clicked, this, [this] { closeWindow(); });

    // As it opens: the smallest group selected, every box empty.
    m_size->setCurrentIndex(0);
    onGroupSize();
    m_boxes.front()->setFocus();
}

int WheelWindow::groupSize() const
{
    return wheels::groupSizeFromText(m_kind, m_size->currentText());
}

QLineEdit *WheelWindow::numberBox(int position) const
{
    return position >= 1 && position <= static_cast<int>(m_boxes.size()) ? m_boxes[static_cast<size_t>(position - 1)]
                                                                         : nullptr;
}

std::vector<QString> WheelWindow::boxTexts() const
{
    std::vector<QString> texts;
    for (const QLineEdit *b : m_boxes)
        texts.push_back(b->text());
    return texts;
}

void WheelWindow::message(const QString &text)
{
    m_platform.dialogs->message(text);
}

void WheelWindow::onGroupSize()
{
    const int n = groupSize();
    m_entries->setText(QString::number(wheels::linesFor(m_kind, n ? n : m_kind.minGroup)));
    for (int p = 1; p <= static_cast<int>(m_boxes.size()); ++p)
        m_boxes[static_cast<size_t>(p - 1)]->setEnabled(wheels::numberBoxEnabled(m_kind, n, p));
}

void WheelWindow::onSave()
{
    const std::vector<QString> texts = boxTexts();
    const wheels::SaveResult r = wheels::saveWheel(m_state.programFolder, m_state.countryCode, m_kind,
                                                   groupSize(), texts, latestEra(m_state.game()).mainLimit);
    if (r.saved()) {
        m_platform.dialogs->inform(r.message);
        emit wheelSaved();
        return;
    }
    message(r.message);
    if (r.outcome == wheels::SaveResult::Outcome::Refused) {
        if (QLineEdit *box = numberBox(r.faultBox + 1)) {
            box->setFocus();
            box->selectAll();
        }
    }
}

void WheelWindow::onSuggest()
{
    const int n = groupSize();
    m_platform.random->seed(static_cast<quint64>(m_platform.clock->timeOfDay().msecsSinceStartOfDay()));
    std::vector<Draw> draws;
    const std::optional<Game> game = gameOfCountry(m_state.countryCode);
    if (game) {
        FileRead<std::vector<Draw>> read = readHistoryDraws(m_state.historyPath(latestEra(*game)));
        if (!read.usable()) {
            message(HistoryUnreadableMessage);
            return;
        }
        draws = std::move(read.value);
    }
    const wheels::WheelSuggestion s =
        wheels::suggestWheelNumbers(game, m_kind.wheel3Only, draws, n, *m_platform.random);
    if (!s.refusal.isEmpty()) {
        message(s.refusal);
        return;
    }
    for (QLineEdit *b : m_boxes)
        b->clear();
    for (size_t i = 0; i < s.numbers.size() && i < m_boxes.size(); ++i)
        m_boxes[i]->setText(QString::number(s.numbers[i]));
    if (!s.shortfall.isEmpty())
        m_platform.dialogs->inform(s.shortfall);
}

} // namespace ds
