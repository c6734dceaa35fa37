#pragma once

#include "platform/platform.h"
#include "widgets/childwindow.h"

#include <QDate>
#include <array>

class QLineEdit;

namespace ds {



// "Thunderball Result Entry": the five main numbers and the Thunderball of
// the result of the Thunderball window's calendar date.
class ResultEntryWindow : public ChildWindow {
    Q_OBJECT
public:
    ResultEntryWindow(const QString &programFolder, const Platform &platform);

    // Opens over the Thunderball window for the result of `date`.
    void openFor(QWidget *opener, const QDate &date);

    // "Save": validates, stores the result and closes; the window stays open
    // with the box at fault focused after a refusal.
    void save();

signals:
    // A result was stored: the Thunderball window refreshes.
    void saved();

private:
    QString m_folder;
    Platform m_platform;
    QDate m_date;
    std::array<QLineEdit *, 6> m_boxes{};
};

} // namespace ds
