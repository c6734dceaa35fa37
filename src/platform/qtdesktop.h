#pragma once

#include "platform/browser.h"
#include "platform/helpviewer.h"
#include "platform/systeminfo.h"

#include <QPointer>
#include <QString>

class QTextBrowser;
class QWidget;

namespace ds {

// The desktop's default browser (QDesktopServices).
class QtBrowser : public Browser {
public:
    OpenResult open(const QUrl &address) override;
};

// The help: the HTML pages in a folder ("index.html" the contents page),
// shown in a help window of the program. The same pages open in a browser.
class QtHelpViewer : public HelpViewer {
public:
    explicit QtHelpViewer(QString helpFolder);
    ~QtHelpViewer() override;
    bool showHelp(const QString &topic) override;
    bool showPage(const QString &filePath) override;

    QWidget *window() const;
    QTextBrowser *view() const { return m_view; }

private:
    void build();
    void present();

    QString m_folder;
    QPointer<QWidget> m_window;
    QTextBrowser *m_view = nullptr;
};

// The system information tool: the one Windows records, or the first
// system information program the desktop has.
class QtSystemInfo : public SystemInfoLauncher {
public:
    bool start() override;
};

} // namespace ds
