#pragma once

#include "core/entryfile.h"
#include "entries/entrylistview.h"
#include "platform/platform.h"

#include <QObject>
#include <vector>

namespace ds {

class MaintainFrame;
class SelectionsFrame;
struct AppState;

// The selections list of the current entry file and its maintenance: the
// "Selections" frame and the "Add Entry" part of the "Maintain Entries" frame.
class SelectionsController : public QObject, public EntryListView {
    Q_OBJECT
public:
    SelectionsController(SelectionsFrame &frame, MaintainFrame &maintain, AppState &state,
                         const Platform &platform, QObject *parent = nullptr);

    void showFile(const QString &path, const std::vector<Entry> &entries, const QString &dateText) override;

    // Opens (or creates) the selections file of a date and shows its entries;
    // a date without entries opens the maintain area.
    void openDate(int d, int m, int y);

    void closeFile() override;
    // Empties the list, the date and the total on show only.
    void clearDisplay();

    // Leaves maintain mode (Finished, and opening the standing entry).
    void leaveMaintainMode() override;

    void maintain();
    void finished();
    void clearBoxes();
    void addEntry();
    void deleteSelected();
    void printList();

    QString dateText() const override;
    QString totalText() const override;
    void setDateText(const QString &text) override;
    void setChangeEnabled(bool on) override;
    void unmarkEntries(const std::vector<Entry> &entries) override;
    void markEntries(const std::vector<Entry> &entries, const std::vector<int> &marked,
                     const std::vector<int> &highlighted) override;
    void appendEntry(const Numbers6 &numbers, int total, bool repaint) override;
    void scrollToEnd() override;

signals:
    // The maintain area is about to open, and has closed.
    void maintainOpening();
    void maintainClosed();

private:
    // Fills the selections list with the entries and sets the entry count.
    void showEntries(const std::vector<Entry> &entries);
    // The date field a new entry at record `recordNumber` of the current
    // entry file carries: the file's own date key for its first record, else
    // that of the record before it.
    QByteArray dateFieldForRecord(const std::vector<Entry> &entries, int recordNumber) const;

    SelectionsFrame &m_frame;
    MaintainFrame &m_maintain;
    AppState &m_state;
    Platform m_platform;
};

} // namespace ds
