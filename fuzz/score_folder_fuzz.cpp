// brackwell-cli score over a fuzzed pool folder (a start field, results and a few selection
// files under fuzzed names): one output row per selection file, each with the header's columns.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <sstream>

#include "cli/CommandLine.h"
#include "core/FileSystem.h"
#include "core/SelectionFile.h"
#include "core/StartFile.h"
#include "fuzz/support/FuzzFolder.h"

using namespace brackwell;

namespace {
// A file name of the folder from fuzzed bytes: no separator, not hidden, never empty.
std::string SelectionName(std::string text, int index) {
    std::replace(text.begin(), text.end(), '/', '_');
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    return std::to_string(index) + text + ".BKS";
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string& folder = fuzz::FreshFolder();
    fuzz::WriteFile(fuzz::PathIn(kStartFileName), input.ConsumeRandomLengthString(4096));
    fuzz::WriteFile(fuzz::PathIn(kResultsFileName), input.ConsumeRandomLengthString(4096));
    const int files = input.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < files; ++i) {
        const std::string name = SelectionName(input.ConsumeRandomLengthString(40), i);
        fuzz::WriteFile(fuzz::PathIn(name), input.ConsumeRandomLengthString(4096));
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::RunCommandLine({"score", "--folder", folder}, out, err);
    fuzz::Expect(status == cli::kExitOk, "a folder with its results file is scored");
    const std::string table = out.str();
    const auto rows = static_cast<std::size_t>(std::count(table.begin(), table.end(), '\n'));
    fuzz::Expect(rows == 1 + ListFilesWithExtension(folder, ".BKS").size(), "one output row per selection file");
    fuzz::Expect(static_cast<std::size_t>(std::count(table.begin(), table.end(), '\t')) == rows * 8,
                 "every row has the header's columns");
    return 0;
}
