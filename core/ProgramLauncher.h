#pragma once
// Starting another program (the pick program QUILLON.EXE) without waiting for it.

#include <string>

namespace brackwell {

class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;

    // Starts the program in its own folder; false when it could not be started.
    virtual bool StartDetached(const std::string& path) = 0;
};

}  // namespace brackwell
