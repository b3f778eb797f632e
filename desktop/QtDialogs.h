#pragma once
// The Dialogs of the organiser's program: Qt message boxes and standard dialogs, parented to
// the active window.

#include <QString>
#include <memory>
#include <string>

#include "desktop/PrinterSession.h"
#include "core/Dialogs.h"

namespace brackwell {

// "PoolSelections (*.BKS) | *.BKS" (description | pattern [| description | pattern ...], the
// patterns of one entry separated by ";") as a Qt file-dialog filter: one line per entry,
// ending in its patterns in parentheses.
QString QtFileFilter(const std::string& filter);

class QtDialogs final : public Dialogs {
public:
    // With a printer of its own; the application passes the session its print device prints to.
    QtDialogs();
    explicit QtDialogs(PrinterSession& printers);
    ~QtDialogs() override;

    MsgAnswer MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                         const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
    bool PrintDialog(PrintRequest& request) override;
    std::optional<FontChoice> FontDialog(const FontChoice& initial) override;

private:
    std::unique_ptr<PrinterSession> ownPrinters_;
    PrinterSession& printers_;
};

}  // namespace brackwell
