#pragma once

#include "platform/platform.h"
#include "thunderball/thunderinput.h"
#include "widgets/childwindow.h"

#include <QDate>
#include <array>
#include <optional>

class QLabel;
class QLineEdit;

namespace ds {

// The numbers of six Thunderball boxes (five main, then the Thunderball) of a
// date of the era; or, when they are not valid, nothing, once the player has
// been told and the box at fault focused with its text selected.
std::optional<thunder::ThunderNumbers> readNumberBoxes(const std::array<QLineEdit *, 6> &boxes, const Era &era,
                                                       Dialogs &dialogs);

// "Thunderball Result Entry": the five main numbers and the Thunderball of
// the result of the Thunderball window's calendar date.
class ResultEntryWindow : public ChildWindow {
    Q_OBJECT
public:
    ResultEntryWindow(const QString &programFolder, const Platform &platform);

    // Opens over the Thunderball window for the result of `date`.
    void openFor(QWidget *opener, const QDate &date);

    // "Save": validates, stores the result in the results file of the date's
    // era and closes; the window stays open with the box at fault focused
    // after a refusal.
    void save();

signals:
    // A result was stored: the Thunderball window refreshes.
    void saved();

private:
    QString m_folder;
    Platform m_platform;
    QDate m_date;
    QLabel *m_dateLabel = nullptr; // the date the result is stored for
    std::array<QLineEdit *, 6> m_boxes{};
};

} // namespace ds
