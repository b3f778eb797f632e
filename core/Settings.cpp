#include "core/Settings.h"

#include "core/LineFile.h"

namespace brackwell {

bool DemoModeActive(const modBrackwell& model) {
    const LineReadResult read = ReadLineFile(model.AppFilePath(kSettingsFileName), 1, 16);
    return !read.lines.empty() && read.lines[0] == "1";
}

}  // namespace brackwell
