#pragma once

#include <QFont>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

class QMenu;
class QAction;

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

// A named text box, of a fixed width when one is given.
QLineEdit *lineBox(const char *name, int width = 0);

// A box the program fills and the player only reads: it looks read-only and
// takes no Tab stop.
QLineEdit *readOnlyBox(const char *name, int width = 0);
void makeReadOnly(QLineEdit *box);

// The fixed-pitch font of entry lists and histories.
QFont fixedPitchFont();

// Gives each entry of a menu or menu bar (and of its submenus) an Alt-letter
// mnemonic: the first letter or digit of its caption that no earlier entry of
// the same menu uses. The visible words stay as they are.
void addMnemonics(QWidget *menuOrBar);

// A named menu entry and a named submenu.
QAction *menuItem(QMenu *menu, const char *name, const QString &caption);
QMenu *subMenu(QMenu *parent, const char *name, const QString &caption);

} // namespace ds
