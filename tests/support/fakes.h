#pragma once

#include "core/appstate.h"
#include "platform/platform.h"

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <deque>
#include <functional>
#include <random>
#include <vector>

class QWidget;

namespace dstest {

// Records every message and question, and answers questions as scripted.
// A question with no scripted answer is recorded in `unexpected` and answered No.
class FakeDialogs : public ds::Dialogs {
public:
    void message(const QString &text) override;
    // Recorded as a message; `informatives` holds "text | informative".
    void messageExplained(const QString &text, const QString &informative) override;
    void inform(const QString &text) override;
    // Recorded as news; the second button is pressed when `takeOffers` says so.
    bool informOffering(const QString &text, const QString &action) override;
    // Recorded as a message too; `warnings` holds "title: text".
    void warning(const QString &title, const QString &text) override;
    bool ask(const QString &text) override;
    void setBusy(bool busy) override;
    QString chooseOpenFile(const QString &caption, const QString &folder, const QString &filter) override;
    // Answered from the same scripted files; the proposed paths are kept in `proposed`.
    QString chooseSaveFile(const QString &caption, const QString &suggestedPath, const QString &filter) override;

    void answer(bool yes) { answers.push_back(yes); }
    void answerFile(const QString &path) { files.push_back(path); }
    void clear()
    {
        for (QStringList *l : {&messages, &news, &warnings, &informatives, &questions, &log, &unexpected, &offered})
            l->clear();
    }

    QStringList messages;       // OK messages in order, refusals, warnings and news alike
    QStringList news;           // those of them shown as news (information icon)
    QStringList warnings;       // those shown as warnings under their own title, as "title: text"
    QStringList informatives;   // the informative texts of refusals that carry one, in order
    QStringList questions;      // Yes/No questions in order
    QStringList log;            // both, prefixed "message: " / "question: "
    QStringList unexpected;     // questions asked with no scripted answer
    std::deque<bool> answers;
    std::deque<QString> files;
    QStringList offered;        // the second buttons of news, in order
    QStringList proposed;       // the paths the save dialog proposed
    bool takeOffers = false;    // whether the player presses them
    int busyDepth = 0;
    int busyCount = 0;          // how many times the hourglass was shown
};

// Records printed jobs (pages of lines, window images, pages of marks); each ends with `outcome`.
class FakePrinter : public ds::Printer {
public:
    struct Job {
        QString font;
        int size = 0;
        std::vector<QStringList> pages{QStringList{}};
        QString windowName;               // a window image: the window's name
        int pageLines = 0;                // what the job asked each page to hold
        ds::MarkPages tickets;            // pages of marks
    };
    void setFont(const QString &name, int pointSize) override;
    void setPageLines(int lines) override;
    void printLine(const QString &text) override;
    void newPage() override;
    ds::PrintOutcome endDocument() override;
    ds::PrintOutcome printWindow(QWidget *window, int leftTwips, int topTwips) override;
    ds::PrintOutcome printMarks(const ds::MarkPages &job) override;

    // The name a printed window is recorded under, set by the window support (the fakes know no widgets).
    static std::function<QString(QWidget *)> windowNameOf;

    std::vector<Job> jobs; // ended jobs
    ds::PrintOutcome outcome;
    Job current;
    bool open = false;
    QString font;
    int fontSize = 0;

private:
    void begin(); // opens a job in the last font unless one is open
};

class FakeSettings : public ds::SettingsStore {
public:
    QString value(const QString &key) const override { return values.value(key); }
    void setValue(const QString &key, const QString &value) override
    {
        values[key] = value;
        ++writes;
    }
    QMap<QString, QString> values;
    int writes = 0;
};

class FakeClock : public ds::Clock {
public:
    QDate today() const override { return date; }
    QTime timeOfDay() const override { return time; }
    QDate date{2026, 12, 5};
    QTime time{20, 0, 0};
};

// A seeded generator, so a test sees the same fractions each run.
class FakeRandom : public ds::RandomSource {
public:
    void seed(quint64 s) override { gen.seed(s); ++seeds; }
    double next() override
    {
        return fixed >= 0 ? fixed : std::uniform_real_distribution<double>(0.0, 1.0)(gen);
    }
    std::mt19937_64 gen{12345};
    double fixed = -1; // when 0 or more, every draw gives this fraction
    int seeds = 0;
};

class FakeProgram : public ds::ProgramControl {
public:
    void exitProgram() override { ++exited; }
    void endProgram() override { ++ended; }
    int exited = 0;
    int ended = 0;
};

// Records the addresses opened and answers `result`; a `log`, when given, gets "open: " + address
// among the messages.
class FakeBrowser : public ds::Browser {
public:
    ds::OpenResult open(const QUrl &address) override
    {
        opened << address.toString();
        if (log)
            *log << QStringLiteral("open: ") + address.toString();
        return result;
    }
    QStringList opened;
    ds::OpenResult result = ds::OpenResult::Opened;
    QStringList *log = nullptr;
};

// Records the help topics and the local pages asked for; `found` says whether the page is there.
class FakeHelp : public ds::HelpViewer {
public:
    bool showHelp(const QString &topic) override
    {
        topics << topic;
        return found;
    }
    bool showPage(const QString &filePath) override
    {
        pages << filePath;
        return found;
    }
    QStringList topics;
    QStringList pages;
    bool found = true;
};

// Counts the starts of the system information tool; `available` says whether the desktop has one.
class FakeSystemInfo : public ds::SystemInfoLauncher {
public:
    bool start() override
    {
        ++attempts;
        return available;
    }
    int attempts = 0;
    bool available = true;
};

// A transfer the test ends: start() records the address; the test calls progress() and finish().
class FakeTransfer : public ds::Transfer {
public:
    void start(const QUrl &address, Progress progress, Done done) override
    {
        started << address.toString();
        m_progress = std::move(progress);
        m_done = std::move(done);
    }
    void cancel() override { ++cancels; }
    void progress(qint64 received, qint64 total)
    {
        if (m_progress)
            m_progress(received, total);
    }
    // Ends the transfer with the outcome.
    void finish(const ds::TransferOutcome &outcome)
    {
        Done done = std::move(m_done);
        m_done = nullptr;
        m_progress = nullptr;
        if (done)
            done(outcome);
    }
    QStringList started;
    int cancels = 0;

private:
    Progress m_progress;
    Done m_done;
};

// All fakes with a state whose program folder is a given folder.
struct FakePlatform {
    FakeDialogs dialogs;
    FakePrinter printer;
    FakeSettings settings;
    FakeClock clock;
    FakeRandom random;
    FakeProgram program;
    FakeBrowser browser;
    FakeHelp help;
    FakeSystemInfo systemInfo;
    FakeTransfer transfer;
    FakePlatform() { browser.log = &dialogs.log; }
    ds::Platform platform()
    {
        return {&dialogs, &printer, &settings, &clock, &random, &program, &browser, &help, &systemInfo, &transfer};
    }
};

} // namespace dstest
