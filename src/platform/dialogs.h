#pragma once

#include <QString>

namespace ds {

// Message boxes, questions, the hourglass pointer and the file dialogs.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A refusal or warning with an OK button under the application's title
    // (the warning icon).
    virtual void message(const QString &text) = 0;
    // The same refusal with a second, informative text under it (what the
    // player needs to put it right).
    virtual void messageExplained(const QString &text, const QString &informative) = 0;
    // News with an OK button: a result, a note, a job done (the information icon).
    virtual void inform(const QString &text) = 0;
    // News with an OK button and a second button captioned `action` (the
    // information icon); true when the player pressed the second one.
    virtual bool informOffering(const QString &text, const QString &action) = 0;
    // A refusal or failure with an OK button and the warning icon, under its
    // own title.
    virtual void warning(const QString &title, const QString &text) = 0;
    // A question with Yes and No buttons; true for Yes.
    virtual bool ask(const QString &text) = 0;
    // The hourglass pointer on (true) or back to normal (false).
    virtual void setBusy(bool busy) = 0;
    // A file to open; empty when the player cancels.
    virtual QString chooseOpenFile(const QString &caption, const QString &folder,
                                   const QString &filter) = 0;
    // A file to write, proposed as `suggestedPath` (the desktop asks before
    // an existing file is replaced); empty when the player cancels.
    virtual QString chooseSaveFile(const QString &caption, const QString &suggestedPath,
                                   const QString &filter) = 0;
};

// Shows the hourglass for the life of a scope.
class BusyScope {
public:
    explicit BusyScope(Dialogs &d) : m_d(d) { m_d.setBusy(true); }
    ~BusyScope() { m_d.setBusy(false); }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    Dialogs &m_d;
};

} // namespace ds
