#pragma once
// The seams to the platform that a window needs, handed to it together. The application gives
// the Qt implementations; tests give doubles.

#include "core/Dialogs.h"
#include "core/HelpViewer.h"
#include "core/MailService.h"
#include "core/PrintDevice.h"
#include "core/ProgramLauncher.h"

namespace brackwell {

struct Platform {
    Dialogs& dialogs;
    MailService& mail;
    PrintDevice& printer;
    HelpViewer& help;
    ProgramLauncher& launcher;
};

}  // namespace brackwell
