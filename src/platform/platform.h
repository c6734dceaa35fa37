#pragma once

#include "platform/browser.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/helpviewer.h"
#include "platform/printer.h"
#include "platform/programcontrol.h"
#include "platform/random.h"
#include "platform/settings.h"
#include "platform/systeminfo.h"
#include "platform/transfer.h"

namespace ds {

// The services of the desktop, handed to every window that needs them.
struct Platform {
    Dialogs *dialogs = nullptr;
    Printer *printer = nullptr;
    SettingsStore *settings = nullptr;
    Clock *clock = nullptr;
    RandomSource *random = nullptr;
    ProgramControl *program = nullptr;
    Browser *browser = nullptr;
    HelpViewer *help = nullptr;
    SystemInfoLauncher *systemInfo = nullptr;
    Transfer *transfer = nullptr;
};

} // namespace ds
