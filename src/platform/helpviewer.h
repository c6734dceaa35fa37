#pragma once

#include <QString>

namespace ds {

// The program's help, opened at a topic ("index" is the contents page).
// A missing help page is reported by the viewer itself.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // False when the topic's page could not be found.
    virtual bool showHelp(const QString &topic) = 0;
    // A local page (HTML or plain text) in the same help window: the links of
    // the links file that name a file. False, with nothing shown, when the
    // file cannot be read.
    virtual bool showPage(const QString &filePath) = 0;
};

} // namespace ds
