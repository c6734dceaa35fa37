#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "support/printers.h"

namespace dstest {

// The child of `root` with the given objectName; fails the test when absent.
template <typename T>
T *child(QObject *root, const char *name)
{
    T *w = root->findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << "no " << name << " under " << root->objectName().toStdString();
    return w;
}

// The newest top-level window (one opened over another has no parent) of that objectName, or null.
template <typename T = QWidget>
T *topLevel(const char *name)
{
    const QWidgetList all = QApplication::topLevelWidgets();
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        if ((*it)->objectName() == QLatin1String(name))
            if (T *t = qobject_cast<T *>(*it))
                return t;
    return nullptr;
}

inline void click(QObject *root, const char *name)
{
    auto *b = child<QAbstractButton>(root, name);
    if (b) {
        EXPECT_TRUE(b->isEnabled()) << name << " is disabled";
        QTest::mouseClick(b, Qt::LeftButton);
    }
}

inline void trigger(QObject *root, const char *name)
{
    if (auto *a = child<QAction>(root, name))
        a->trigger();
}

inline void type(QObject *root, const char *name, const QString &text)
{
    if (auto *e = child<QLineEdit>(root, name))
        e->setText(text);
}

// The line edits Text<first>, Text<first + 1>, ... of `root`.
inline QLineEdit *textBox(QObject *root, int k)
{
    return child<QLineEdit>(root, QStringLiteral("Text%1").arg(k).toLatin1().constData());
}
inline void typeBoxes(QObject *root, const QStringList &texts, int first = 1)
{
    for (int k = 0; k < texts.size(); ++k)
        if (auto *e = textBox(root, first + k))
            e->setText(texts[k]);
}
inline QStringList boxTexts(QObject *root, std::initializer_list<int> ks)
{
    QStringList out;
    for (int k : ks)
        out << (textBox(root, k) ? textBox(root, k)->text() : QStringLiteral("<none>"));
    return out;
}

inline QStringList lines(QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// Explicitly hidden (whether or not its window is on screen).
inline bool hidden(QWidget *w) { return w->isHidden(); }

} // namespace dstest
