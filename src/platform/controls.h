#pragma once

#include <QPushButton>
#include <QString>

namespace ds {

// Gives a control its name (the objectName every window and control carries).
template <typename W>
W *named(W *w, const char *name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// A named button with its caption and tooltip. Enter in a text box of the
// window does not press it.
inline QPushButton *button(const char *name, const QString &caption, const QString &tip = {})
{
    auto *b = named(new QPushButton(caption), name);
    b->setAutoDefault(false);
    if (!tip.isEmpty())
        b->setToolTip(tip);
    return b;
}

} // namespace ds
