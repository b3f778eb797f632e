// The demo flag on any bytes: on exactly when the first line is "1".

#include "core/Settings.h"
#include "fuzz/support/FuzzFolder.h"

using namespace brackwell;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FreshFolder();
    const std::string_view bytes = fuzz::Bytes(data, size);
    fuzz::WriteFile(fuzz::PathIn(kSettingsFileName), bytes);
    std::string_view first = bytes.substr(0, bytes.find('\n'));
    if (!first.empty() && first.back() == '\r') first.remove_suffix(1);
    fuzz::Expect(DemoModeActive(modBrackwell(fuzz::Folder())) == (first == "1"),
                 "demo mode is on exactly for a first line of \"1\"");
    return 0;
}
