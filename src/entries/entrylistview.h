#pragma once

#include "core/entryfile.h"

#include <QString>
#include <vector>

namespace ds {

// The selections list as the actions beside it use it (Check, Auto Add, the
// standing entry, the range check, file maintenance): what they read from it
// and the few ways they change it. The selections controller keeps the list.
class EntryListView {
public:
    // The date and the total on show.
    virtual QString dateText() const = 0;
    virtual QString totalText() const = 0;
    // The current entry file shows under another date text ("Standing").
    virtual void setDateText(const QString &text) = 0;

    // Shows the entries of a file that is now the current entry file, under
    // the given date text.
    virtual void showFile(const QString &path, const std::vector<Entry> &entries, const QString &dateText) = 0;
    // Empties the list, the date and the total; no entry file is open after.
    virtual void closeFile() = 0;
    virtual void leaveMaintainMode() = 0;
    // The list's "Change" button.
    virtual void setChangeEnabled(bool on) = 0;

    // Lists the entries afresh, without the marks of a check.
    virtual void unmarkEntries(const std::vector<Entry> &entries) = 0;
    // The marks of a check: the lines at the list positions `marked` get
    // " (*)" (an entry past the end of the list is added marked), those in
    // `highlighted` are highlighted, and the first is scrolled to.
    virtual void markEntries(const std::vector<Entry> &entries, const std::vector<int> &marked,
                             const std::vector<int> &highlighted) = 0;
    // An entry written at the end of the file: its line and the new total.
    // `repaint` shows the list at once during a long action, taking no input.
    virtual void appendEntry(const Numbers6 &numbers, int total, bool repaint) = 0;
    virtual void scrollToEnd() = 0;

protected:
    ~EntryListView() = default;
};

} // namespace ds
