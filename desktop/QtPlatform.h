#pragma once
// The Qt implementations of every platform seam, and the Platform that hands them to the windows.

#include "desktop/PrinterSession.h"
#include "desktop/QtDialogs.h"
#include "desktop/QtHelpViewer.h"
#include "desktop/QtMailService.h"
#include "desktop/QtPrintDevice.h"
#include "desktop/QtProgramLauncher.h"
#include "core/Platform.h"

namespace brackwell {

class QtPlatform {
public:
    QtPlatform() = default;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    Platform& platform() { return platform_; }
    PrinterSession& printers() { return printers_; }
    QtHelpViewer& help() { return help_; }

private:
    // The print dialog and the print device share one printer.
    PrinterSession printers_;
    QtDialogs dialogs_{printers_};
    QtMailService mail_{dialogs_};
    QtPrintDevice printer_{printers_};
    QtHelpViewer help_;
    QtProgramLauncher launcher_;
    Platform platform_{dialogs_, mail_, printer_, help_, launcher_};
};

}  // namespace brackwell
