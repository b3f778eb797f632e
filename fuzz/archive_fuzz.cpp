// Unpacking any bytes as the demo archive, with every question answered yes and a password
// typed: nothing is ever written outside the target folder.

#include <sys/stat.h>

#include "core/ZipExtractor.h"
#include "fuzz/support/FuzzFolder.h"

using namespace brackwell;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& folder = fuzz::FreshFolder();
    const std::string archive = fuzz::PathIn("DEMOSET.ZIP");
    const std::string target = fuzz::PathIn("app");
    fuzz::WriteFile(archive, fuzz::Bytes(data, size));
    mkdir(target.c_str(), 0777);
    fuzz::AnsweringDialogs dialogs;
    ZipExtractor extractor(dialogs);
    extractor.Extract(archive, target);
    for (const std::string& entry : fuzz::EntriesBelow(folder))
        fuzz::Expect(entry == "DEMOSET.ZIP" || entry == "app" || entry.rfind("app/", 0) == 0,
                     "nothing is written outside the target folder");
    return 0;
}
