#include "support/fakes.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DrawsmithTests"));
    QApplication::setApplicationDisplayName(QStringLiteral("Drawsmith"));
    QApplication::setQuitOnLastWindowClosed(false);
    dstest::FakePrinter::windowNameOf = [](QWidget *w) { return w->objectName(); };
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
