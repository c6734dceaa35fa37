#pragma once

// The About window's texts.

#include <QString>

namespace ds::about {

// The application title: the About window's title label, and its caption
// after "About ".
inline constexpr char ApplicationTitle[] = "Drawsmith The UK and Irish Lottery Program";
inline constexpr char Disclaimer[] =
    "Drawsmith is offered as it is, for the player's own interest and entertainment. It cannot make a "
    "draw more likely to favour any numbers. No liablilty is accepted for any errors or omissions. The "
    "program is not connected with any lottery organsation.";
inline constexpr char MsgSystemInfoUnavailable[] = "System Information Is Unavailable At This Time";
inline constexpr char SystemInfoTitle[] = "System Information";

QString windowCaption(); // "About " + the application title

// "Version " + major.minor.revision of a project version such as "1.0" or
// "2.1.7": missing parts are 0, leading zeros go, parts after the third are
// left out.
QString versionText(const QString &projectVersion);
// The version the program was built as (the project version of the build).
QString programVersion();

} // namespace ds::about
