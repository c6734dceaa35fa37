#pragma once

#include "platform/platform.h"
#include "widgets/childwindow.h"

#include <QObject>
#include <memory>

class QLineEdit;

namespace ds {

class MarkLayout;
struct AppState;
struct TicketOffsets;

// The "Ticket Printing" window (Form18): the printer offsets, a test ticket,
// the saved setting and the printing of the entries onto tickets.
class TicketPrintingWindow : public ChildWindow {
    Q_OBJECT
public:
    TicketPrintingWindow();

    QLineEdit *leftBox() const { return m_left; }
    QLineEdit *topBox() const { return m_top; }

signals:
    void testClicked();
    void saveClicked();
    void recallClicked();
    void printClicked();

private:
    QLineEdit *m_left;
    QLineEdit *m_top;
};

// "Print Tickets": prints the entries of the current entry file onto lotto
// tickets, seven boards a ticket, through the ticket layout (Form17).
class TicketController : public QObject {
    Q_OBJECT
public:
    TicketController(AppState &state, const Platform &platform, QWidget *window, QObject *parent = nullptr);
    ~TicketController() override;

    // The main window's "Print Tickets".
    void printTickets();

    TicketPrintingWindow *window() const { return m_form.get(); }

private:
    void test();
    void saveSetting();
    void recallSetting();
    void printEntries();
    void refuseOffsets(const TicketOffsets &offsets, const QString &refusal);
    bool printingOffsets(TicketOffsets &offsets);
    QString settingsPath() const;

    AppState &m_state;
    Platform m_platform;
    QWidget *m_window;
    std::unique_ptr<TicketPrintingWindow> m_form;
    std::unique_ptr<MarkLayout> m_layout;
    bool m_tested = false; // a test ticket set the current offsets in this run
};

} // namespace ds
