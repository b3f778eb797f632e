#pragma once
// The help seam: the help file in the program's own help window, and the about window.

#include <QPointer>

#include "desktop/frmHelp.h"
#include "core/HelpViewer.h"

namespace brackwell {

class QtHelpViewer final : public HelpViewer {
public:
    QtHelpViewer() = default;
    QtHelpViewer(const QtHelpViewer&) = delete;
    QtHelpViewer& operator=(const QtHelpViewer&) = delete;
    ~QtHelpViewer() override;

    // The help window is modeless and there is one at a time: showing the help again brings the
    // open window to the front with the file from its top. False, and no window, when the file
    // cannot be read.
    bool ShowHelpFile(const std::string& path) override;
    void ShowAbout() override;

    // The open help window, if any.
    frmHelp* helpWindow() const { return window_.data(); }

private:
    QPointer<frmHelp> window_;
};

}  // namespace brackwell
