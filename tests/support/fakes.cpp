#include "support/fakes.h"

namespace dstest {

void FakeDialogs::inform(const QString &text)
{
    message(text);
    news << text;
}

bool FakeDialogs::informOffering(const QString &text, const QString &action)
{
    inform(text);
    offered << action;
    return takeOffers;
}

void FakeDialogs::message(const QString &text)
{
    messages << text;
    log << QStringLiteral("message: ") + text;
}

void FakeDialogs::messageExplained(const QString &text, const QString &informative)
{
    message(text);
    informatives << informative;
}

void FakeDialogs::warning(const QString &title, const QString &text)
{
    message(text);
    warnings << title + QStringLiteral(": ") + text;
}

bool FakeDialogs::ask(const QString &text)
{
    questions << text;
    log << QStringLiteral("question: ") + text;
    if (answers.empty()) {
        unexpected << text;
        return false;
    }
    const bool a = answers.front();
    answers.pop_front();
    return a;
}

void FakeDialogs::setBusy(bool busy)
{
    if (busy) {
        ++busyDepth;
        ++busyCount;
    } else if (busyDepth > 0) {
        --busyDepth;
    }
}

QString FakeDialogs::chooseOpenFile(const QString &, const QString &, const QString &)
{
    if (files.empty())
        return {};
    QString f = files.front();
    files.pop_front();
    return f;
}

QString FakeDialogs::chooseSaveFile(const QString &, const QString &suggestedPath, const QString &)
{
    proposed << suggestedPath;
    return chooseOpenFile({}, {}, {});
}

void FakePrinter::begin()
{
    if (open)
        return;
    current = Job{};
    current.font = font;
    current.size = fontSize;
    open = true;
}

void FakePrinter::setFont(const QString &name, int pointSize)
{
    font = name;
    fontSize = pointSize;
    begin();
    current.font = name;
    current.size = pointSize;
}

void FakePrinter::setPageLines(int lines)
{
    begin();
    current.pageLines = lines;
}

void FakePrinter::printLine(const QString &text)
{
    begin();
    current.pages.back() << text;
}

void FakePrinter::newPage()
{
    begin();
    current.pages.emplace_back();
}

ds::PrintOutcome FakePrinter::endDocument()
{
    if (!open)
        return {};
    jobs.push_back(current);
    open = false;
    return outcome;
}

std::function<QString(QWidget *)> FakePrinter::windowNameOf;

ds::PrintOutcome FakePrinter::printWindow(QWidget *window, int, int)
{
    endDocument();
    Job j;
    j.windowName = window && windowNameOf ? windowNameOf(window) : QString();
    jobs.push_back(j);
    return outcome;
}

ds::PrintOutcome FakePrinter::printMarks(const ds::MarkPages &job)
{
    endDocument();
    if (job.pages.empty())
        return {};
    Job j;
    j.tickets = job;
    jobs.push_back(j);
    return outcome;
}

} // namespace dstest
