#include "widgets/controls.h"

#include <QAction>
#include <QMenu>

namespace ds {

QLineEdit *lineBox(const char *name, int width)
{
    auto *e = named(new QLineEdit, name);
    if (width > 0)
        e->setFixedWidth(width);
    return e;
}

void makeReadOnly(QLineEdit *box)
{
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    // The window's own background, not the white of a box that takes typing.
    QPalette p = box->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    box->setPalette(p);
}

QLineEdit *readOnlyBox(const char *name, int width)
{
    QLineEdit *e = lineBox(name, width);
    makeReadOnly(e);
    return e;
}

QFont fixedPitchFont()
{
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    return fixed;
}

QAction *menuItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QMenu *subMenu(QMenu *parent, const char *name, const QString &caption)
{
    QMenu *m = parent->addMenu(caption);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

} // namespace ds
