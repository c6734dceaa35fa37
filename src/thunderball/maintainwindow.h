#pragma once

#include "platform/platform.h"
#include "widgets/childwindow.h"

#include <QDate>
#include <array>

class QLabel;
class QLineEdit;

namespace ds {

// "Maintain Thunderball Entries": entries for the Thunderball window's date,
// added by hand or at random ("Auto Add").
class MaintainEntriesWindow : public ChildWindow {
    Q_OBJECT
public:
    MaintainEntriesWindow(const QString &programFolder, const Platform &platform);

    // Opens over the Thunderball window for the entries of `date`.
    void openFor(QWidget *opener, const QDate &date);

    void addManual(); // "Add" of "Manual Adding"
    void clearBoxes(); // "Clear"
    void autoAdd();    // "Add" of "Auto Add"
    void closeWindow() override;

signals:
    // The entry file now holds `count` entries.
    void entriesChanged(int count);
    // The window is closing: the Thunderball window refreshes.
    void closing();

private:
    QString entriesFile() const;

    QString m_folder;
    Platform m_platform;
    QDate m_date;
    QLabel *m_dateLabel = nullptr;        // the date the entries are for
    std::array<QLineEdit *, 6> m_boxes{}; // Text2 to Text6, then Text7
    QLineEdit *m_count = nullptr;         // Text1
};

} // namespace ds
