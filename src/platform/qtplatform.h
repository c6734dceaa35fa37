#pragma once

#include <QMessageBox>

#include "platform/platform.h"

#include <random>

class QWidget;

namespace ds {

class QtDialogs : public Dialogs {
public:
    void message(const QString &text) override;
    void messageExplained(const QString &text, const QString &informative) override;
    void inform(const QString &text) override;
    bool informOffering(const QString &text, const QString &action) override;
    void warning(const QString &title, const QString &text) override;
    bool ask(const QString &text) override;
    void setBusy(bool busy) override;
    QString chooseOpenFile(const QString &caption, const QString &folder,
                           const QString &filter) override;
    QString chooseSaveFile(const QString &caption, const QString &suggestedPath,
                           const QString &filter) override;

private:
    void show(QMessageBox::Icon icon, const QString &text, const QString &informative = {});
    int m_busy = 0;
};

class QtSettingsStore : public SettingsStore {
public:
    QString value(const QString &key) const override;
    void setValue(const QString &key, const QString &value) override;
};

class SystemClock : public Clock {
public:
    QDate today() const override;
    QTime timeOfDay() const override;
};

class StdRandomSource : public RandomSource {
public:
    void seed(quint64 seed) override { m_gen.seed(seed); }
    double next() override;

private:
    std::mt19937_64 m_gen{std::random_device{}()};
};

class QtProgramControl : public ProgramControl {
public:
    void exitProgram() override;
    void endProgram() override;
    bool ended() const { return m_ended; }

private:
    bool m_ended = false;
};

} // namespace ds
