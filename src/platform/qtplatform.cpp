#include "platform/qtplatform.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QWidget>
#include <cstdlib>

namespace ds {

namespace {

QWidget *activeWindow()
{
    return QApplication::activeWindow();
}

QString title()
{
    return QApplication::applicationDisplayName();
}

} // namespace

void QtDialogs::show(QMessageBox::Icon icon, const QString &text, const QString &informative)
{
    const bool wasBusy = m_busy > 0;
    if (wasBusy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox box(icon, title(), text, QMessageBox::Ok, activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setInformativeText(informative);
    box.exec();
    if (wasBusy)
        QApplication::restoreOverrideCursor();
}

void QtDialogs::message(const QString &text)
{
    show(QMessageBox::Warning, text);
}

void QtDialogs::messageExplained(const QString &text, const QString &informative)
{
    show(QMessageBox::Warning, text, informative);
}

void QtDialogs::inform(const QString &text)
{
    show(QMessageBox::Information, text);
}

bool QtDialogs::informOffering(const QString &text, const QString &action)
{
    const bool wasBusy = m_busy > 0;
    if (wasBusy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox box(QMessageBox::Information, title(), text, QMessageBox::Ok, activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    QPushButton *second = box.addButton(action, QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    if (wasBusy)
        QApplication::restoreOverrideCursor();
    return box.clickedButton() == second;
}

void QtDialogs::warning(const QString &title, const QString &text)
{
    const bool wasBusy = m_busy > 0;
    if (wasBusy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
    if (wasBusy)
        QApplication::restoreOverrideCursor();
}

bool QtDialogs::ask(const QString &text)
{
    const bool wasBusy = m_busy > 0;
    if (wasBusy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::Yes | QMessageBox::No, activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setDefaultButton(QMessageBox::No);
    const int answer = box.exec();
    if (wasBusy)
        QApplication::restoreOverrideCursor();
    return answer == QMessageBox::Yes;
}

void QtDialogs::setBusy(bool busy)
{
    if (busy) {
        ++m_busy;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (m_busy > 0) {
        --m_busy;
        QApplication::restoreOverrideCursor();
    }
}

QString QtDialogs::chooseOpenFile(const QString &caption, const QString &folder,
                                  const QString &filter)
{
    return QFileDialog::getOpenFileName(activeWindow(), caption, folder, filter);
}

QString QtDialogs::chooseSaveFile(const QString &caption, const QString &suggestedPath,
                                  const QString &filter)
{
    return QFileDialog::getSaveFileName(activeWindow(), caption, suggestedPath, filter);
}

QString QtSettingsStore::value(const QString &key) const
{
    QSettings s;
    return s.value(key).toString();
}

void QtSettingsStore::setValue(const QString &key, const QString &value)
{
    QSettings s;
    s.setValue(key, value);
    s.sync();
}

QDate SystemClock::today() const
{
    return QDate::currentDate();
}

QTime SystemClock::timeOfDay() const
{
    return QTime::currentTime();
}

double StdRandomSource::next()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_gen);
}

void QtProgramControl::exitProgram()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::quit();
}

void QtProgramControl::endProgram()
{
    // Files are closed after every action; nothing else needs saving. The
    // caller returns at once, and the event loop ends behind it.
    m_ended = true;
    for (QWidget *w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::exit(EXIT_FAILURE);
}

} // namespace ds
