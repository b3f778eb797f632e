#include "reports/rules/ReportWorkLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace brackwell {

const char* const kReportsBusyMessage =
    "Another run is writing the reports of this folder.\r\nTry again when it has finished.";

ReportWorkLock::ReportWorkLock(const std::string& folder) {
    // The folder itself carries the lock, so no lock file is left in it.
    fd_ = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) return;
    int result = 0;
    do {
        result = flock(fd_, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    busy_ = result != 0 && errno == EWOULDBLOCK;
}

ReportWorkLock::~ReportWorkLock() {
    if (fd_ >= 0) close(fd_);
}

}  // namespace brackwell
