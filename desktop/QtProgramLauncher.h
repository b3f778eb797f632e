#pragma once
// The launcher seam over QProcess: the program runs on its own, in its own folder.

#include "core/ProgramLauncher.h"

namespace brackwell {

class QtProgramLauncher final : public ProgramLauncher {
public:
    // No arguments are passed: the program opens its window as it always does, and the desktop
    // gives the new window the focus.
    bool StartDetached(const std::string& path) override;
};

}  // namespace brackwell
