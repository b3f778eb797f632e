#pragma once
// One report run at a time in an application folder: every run writes the same work file
// "TEMPPRT.TXT" and copies or prints it, so a second run at the same moment (the window and a
// scheduled command line, two windows) could put one report's text in another's file. A run
// holds an exclusive lock on the folder while it writes its reports; a run that finds it taken
// says so and writes nothing.

#include <string>

namespace brackwell {

extern const char* const kReportsBusyMessage;

class ReportWorkLock {
public:
    // Takes the lock of folder if it is free; never waits.
    explicit ReportWorkLock(const std::string& folder);
    ~ReportWorkLock();
    ReportWorkLock(const ReportWorkLock&) = delete;
    ReportWorkLock& operator=(const ReportWorkLock&) = delete;

    // True when another run holds the lock. A folder that cannot be locked at all (a file system
    // without locks) is not busy: the run goes on as it would without the lock.
    bool Busy() const { return busy_; }

private:
    int fd_ = -1;
    bool busy_ = false;
};

}  // namespace brackwell
