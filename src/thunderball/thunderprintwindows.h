#pragma once

#include "core/games.h"
#include "platform/platform.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class QWidget;

namespace ds {

class ListWindow;
class MarkLayout;

// The Thunderball window's "Print" menu (results list, selections list,
// tickets, draw history) and its "Display Draw History" window (Form25).
class ThunderPrintController : public QObject {
    Q_OBJECT
public:
    ThunderPrintController(QString programFolder, const Platform &platform, QObject *parent = nullptr);
    ~ThunderPrintController() override;

    void printResults(const QStringList &lines);
    void printSelections(const QStringList &lines);
    // The entries of the entry file at path, onto the tickets of their era
    // through the layout (Form19), with the offsets saved in the printer
    // settings file. Nothing for an era without a ticket layout.
    void printTickets(const QStringList &selections, const QString &entryFilePath, const Era &era);
    // The results of the era's file, printed or listed in the "Thunderball
    // Draw History" window over `opener`, which stays disabled while it is
    // open.
    void printDrawHistory(const Era &era);
    void showDrawHistory(QWidget *opener, const Era &era);

    MarkLayout *layout() const { return m_layout.get(); }
    ListWindow *historyWindow() const { return m_history.get(); }

private:
    QString path(const QString &name) const;

    QString m_folder;
    Platform m_platform;
    std::unique_ptr<MarkLayout> m_layout;
    std::unique_ptr<ListWindow> m_history;
};

} // namespace ds
