#include "widgets/controls.h"

#include <QAction>
#include <QMenu>
#include <QSet>

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

void addMnemonics(QWidget *menuOrBar)
{
    QSet<QChar> used;
    for (QAction *a : menuOrBar->actions()) {
        if (a->isSeparator())
            continue;
        const QString text = a->text();
        if (!text.contains(QLatin1Char('&'))) {
            for (qsizetype i = 0; i < text.size(); ++i) {
                const QChar c = text.at(i).toLower();
                if (c.isLetterOrNumber() && !used.contains(c)) {
                    used.insert(c);
                    QString marked = text;
                    marked.insert(i, QLatin1Char('&'));
                    a->setText(marked);
                    break;
                }
            }
        }
        if (QMenu *sub = a->menu())
            addMnemonics(sub);
    }
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
